#pragma once

#include <QString>

#include "store/SignInValues.h"

// The sign-up screen's boxes as a user who passed every check leaves them, for tests
// that make the service calls without the window.
inline void fillSignUpValues(SignInValues &values, const QString &mobile, const QString &password,
                             const QString &fullName = QStringLiteral("Ravi Shah"))
{
    values.TxtName = fullName;
    values.TxtFirmName = QStringLiteral("Shah & Co");
    values.TxtMobileNo = mobile;
    values.TxtEmail = QStringLiteral("ravi@example.com");
    values.TxtPassword = password;
    values.TxtConfirmPassword = password;
    values.txtPinCode = QStringLiteral("400001");
    values.Opt2 = true;
}
