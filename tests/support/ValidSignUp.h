#pragma once

#include <QString>

#include "store/AccountDetails.h"

// The sign-up screen as a user who passed every check leaves it: the business
// option, the password typed twice, the terms agreed.
inline AccountDetails validSignUp(const QString &mobile, const QString &password,
                                  const QString &fullName = QStringLiteral("Ravi Shah"))
{
    AccountDetails form;
    form.fullName = fullName;
    form.firmName = QStringLiteral("Shah & Co");
    form.mobile = mobile;
    form.email = QStringLiteral("ravi@example.com");
    form.password = password;
    form.confirmedPassword = password;
    form.pinCode = QStringLiteral("400001");
    form.firmOption = 2;
    return form;
}
