#pragma once

#include <QFrame>

class BrandStrip;
class PasswordRulesBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;
class TextOrv;

// The sign-up screen, Frame1: the details of a new account.
class SignUpPanel : public QFrame
{
    Q_OBJECT

public:
    explicit SignUpPanel(QWidget *parent = nullptr);

    BrandStrip *brand;
    QLabel *Label30;
    TextOrv *TxtName;
    TextOrv *TxtFirmName;
    TextOrv *TxtMobileNo;
    TextOrv *TxtEmail;
    TextOrv *TxtPassword;
    QToolButton *CmdEye;
    TextOrv *TxtConfirmPassword;
    TextOrv *txtPinCode;
    QRadioButton *Opt1;
    QRadioButton *Opt2;
    QCheckBox *ChekAgreeOrNot;
    QLabel *Label29;
    QLabel *Label28;
    QPushButton *CmdSubmit;
    QPushButton *CmdSignIn;
    QLabel *Label27;
    PasswordRulesBox *Frame9;
};
