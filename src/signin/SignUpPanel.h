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

// The sign-up screen, Frame1: the details of a new account. Over its links the window
// shows the hand pointer; over its own surface the pointer is the default again.
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The two links open their pages; a click on "I agree to the " flips the box.
    void connectLinks();
};
