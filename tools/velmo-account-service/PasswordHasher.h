#pragma once

#include <QByteArray>
#include <QString>

struct UserAccount;

// Salted PBKDF2-HMAC-SHA256 digests of passwords.
class PasswordHasher
{
public:
    explicit PasswordHasher(int iterations);

    // Gives the account a fresh salt and the digest of the password.
    void setPassword(UserAccount &user, const QString &password) const;
    // Compares in constant time, with the iteration count the digest was made with.
    static bool matches(const UserAccount &user, const QString &password);

private:
    static QByteArray digest(const QString &password, const QByteArray &salt, int iterations);

    int m_iterations;
};
