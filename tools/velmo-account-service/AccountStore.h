#pragma once

#include "OneTimePassword.h"
#include "UserAccount.h"

#include <QList>
#include <QString>

// Users and pending one-time passwords, kept in one JSON file so they survive a
// restart. Every change is written at once, atomically (write to a temporary file,
// then rename), so a killed service loses nothing it has answered.
class AccountStore
{
public:
    explicit AccountStore(const QString &filePath);

    // A missing file is an empty store; an unreadable one is an error, never overwritten.
    bool load(QString *error);
    bool save(QString *error) const;

    UserAccount *userByMobile(const QString &mobileNo);
    UserAccount *userById(int id);
    UserAccount &addUser(UserAccount user);

    OneTimePassword *otpById(int id);
    // Also forgets codes that expired more than a day ago.
    OneTimePassword &addOtp(OneTimePassword otp, qint64 now);

private:
    QString m_filePath;
    QList<UserAccount> m_users;
    QList<OneTimePassword> m_otps;
    int m_lastUserId = 0;
    int m_lastOtpId = 0;
};
