#pragma once

#include <QFrame>

class PasswordRulesBox;
class QLabel;
class QPushButton;
class QToolButton;
class TextOrv;

// The new-password screen, Frame8, the last step of a password reset.
class NewPasswordPanel : public QFrame
{
    Q_OBJECT

public:
    explicit NewPasswordPanel(QWidget *parent = nullptr);

    QLabel *Label24;
    TextOrv *txtForPass;
    QToolButton *cmdForPasseye;
    TextOrv *txtForConPass;
    QPushButton *Command8;
    PasswordRulesBox *Frame10;
};
