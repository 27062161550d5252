#pragma once

#include <QFrame>

class BrandStrip;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class TextOrv;

// The login screen, Frame5: mobile number, password, remember-me.
class LoginPanel : public QFrame
{
    Q_OBJECT

public:
    explicit LoginPanel(QWidget *parent = nullptr);

    BrandStrip *brand;
    QLabel *Label15;
    TextOrv *TxtMobile1;
    TextOrv *TxtPassword2;
    QToolButton *Command1;
    QCheckBox *chkRememberMe;
    QPushButton *CmdLogin;
    QPushButton *CmdForgatPassord;
    QPushButton *Command2;
};
