#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class TextOrv;

// The forgot-password screen, Frame7: the registered mobile number.
class ForgotPasswordPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ForgotPasswordPanel(QWidget *parent = nullptr);

    QLabel *Label19;
    TextOrv *Text1;
    QPushButton *Command5;
    QPushButton *Command6;
};
