#include "PasswordHasher.h"

#include "UserAccount.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace
{

constexpr int saltBytes = 16;
constexpr int digestBytes = 32;

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()),
                                          count / int(sizeof(quint32)));
    return bytes;
}

} // namespace

PasswordHasher::PasswordHasher(int iterations) : m_iterations(iterations) {}

void PasswordHasher::setPassword(UserAccount &user, const QString &password) const
{
    user.passwordSalt = randomBytes(saltBytes);
    user.passwordIterations = m_iterations;
    user.passwordDigest = digest(password, user.passwordSalt, m_iterations);
}

bool PasswordHasher::matches(const UserAccount &user, const QString &password)
{
    if (user.passwordIterations <= 0 || user.passwordDigest.size() != digestBytes)
        return false;
    const QByteArray candidate = digest(password, user.passwordSalt, user.passwordIterations);
    unsigned char difference = 0;
    for (int i = 0; i < digestBytes; ++i)
        difference |= static_cast<unsigned char>(candidate[i] ^ user.passwordDigest[i]);
    return difference == 0;
}

QByteArray PasswordHasher::digest(const QString &password, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, digestBytes);
}
