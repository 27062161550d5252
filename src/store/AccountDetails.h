#pragma once

#include <QString>

// What the sign-in flows write into a new account row: the sign-up screen's boxes,
// with the number and password of whichever screen creates the row.
struct AccountDetails {
    QString fullName;
    QString firmName;
    QString mobile;
    QString pinCode;
    QString password;
    QString confirmedPassword;
    QString email;
    int firmOption = 0; // 1 professional, 2 business, 0 neither chosen
    int agreed = 1;     // 1 ticked
};

// A login as typed: the number, the password and the remember-me choice.
struct LoginEntry {
    QString mobile;
    QString password;
    bool remember = false;
};

// A password reset: the number and the new password typed twice.
struct NewPassword {
    QString mobile;
    QString password;
    QString confirmation;
};
