#include "AccountStore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

AccountStore::AccountStore(const QString &filePath) : m_filePath(filePath) {}

bool AccountStore::load(QString *error)
{
    QFile file(m_filePath);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(m_filePath, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a valid account store: %2")
                     .arg(m_filePath, parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    m_lastUserId = root.value("last_user_id").toInt();
    m_lastOtpId = root.value("last_otp_id").toInt();
    for (const QJsonValue &user : root.value("users").toArray())
        m_users.append(UserAccount::fromJson(user.toObject()));
    for (const QJsonValue &otp : root.value("one_time_passwords").toArray())
        m_otps.append(OneTimePassword::fromJson(otp.toObject()));
    return true;
}

bool AccountStore::save(QString *error) const
{
    QJsonArray users;
    for (const UserAccount &user : m_users)
        users.append(user.toJson());
    QJsonArray otps;
    for (const OneTimePassword &otp : m_otps)
        otps.append(otp.toJson());
    const QJsonObject root{{"last_user_id", m_lastUserId},
                           {"last_otp_id", m_lastOtpId},
                           {"users", users},
                           {"one_time_passwords", otps}};

    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(root).toJson()) < 0 ||
        !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(m_filePath, file.errorString());
        return false;
    }
    return true;
}

UserAccount *AccountStore::userByMobile(const QString &mobileNo)
{
    for (UserAccount &user : m_users) {
        if (user.mobileNo == mobileNo)
            return &user;
    }
    return nullptr;
}

UserAccount *AccountStore::userById(int id)
{
    for (UserAccount &user : m_users) {
        if (user.id == id)
            return &user;
    }
    return nullptr;
}

UserAccount &AccountStore::addUser(UserAccount user)
{
    user.id = ++m_lastUserId;
    m_users.append(user);
    return m_users.last();
}

OneTimePassword *AccountStore::otpById(int id)
{
    for (OneTimePassword &otp : m_otps) {
        if (otp.id == id)
            return &otp;
    }
    return nullptr;
}

OneTimePassword &AccountStore::addOtp(OneTimePassword otp, qint64 now)
{
    constexpr qint64 keepExpiredSeconds = 24 * 60 * 60;
    m_otps.removeIf(
        [now](const OneTimePassword &old) { return old.expiresAt + keepExpiredSeconds < now; });
    otp.id = ++m_lastOtpId;
    m_otps.append(otp);
    return m_otps.last();
}
