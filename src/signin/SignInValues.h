#pragma once

#include <QString>

// What the sign-in window holds while it is open: the texts of its input boxes
// as typed, the states of its option and check boxes, and its own fields. The
// window hands these values to the record operations and the service calls, and
// keeps what they answer.
struct SignInValues {
    // Login panel.
    QString TxtMobile1;
    QString TxtPassword2;
    int chkRememberMe = 0; // 1 ticked

    // Sign-up panel.
    QString TxtName;
    QString TxtFirmName;
    QString TxtMobileNo;
    QString TxtEmail;
    QString TxtPassword;
    QString TxtConfirmPassword;
    QString txtPinCode;
    bool Opt1 = false;      // professional
    bool Opt2 = false;      // business
    int ChekAgreeOrNot = 1; // 1 ticked

    // One-time-password panel.
    QString txtOTP;

    // Forgot-password and new-password panels.
    QString Text1;
    QString txtForPass;
    QString txtForConPass;

    // Window fields.
    QString MachineAddress;
    QString CurrentToken;
    QString CurrentToken1;
    qint32 OtpVerificationId = 0;
    qint32 ResetUserId = 0; // not 0 while a password reset is under way
    qint16 ReplyStatus = 0;
    QString ReplyText;
};
