#include "TokenSecret.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

std::optional<QByteArray> loadOrCreateTokenSecret(const QString &path, QString *error)
{
    constexpr int secretBytes = 32;
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly)) {
        const QByteArray secret = QByteArray::fromBase64(existing.readAll().trimmed());
        if (secret.size() == secretBytes)
            return secret;
        *error = QStringLiteral("%1 does not hold a token secret").arg(path);
        return std::nullopt;
    }

    QByteArray secret(secretBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(secret.data()),
                                          secretBytes / int(sizeof(quint32)));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(secret.toBase64() + '\n') < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return secret;
}
