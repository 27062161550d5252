#include "Outbox.h"

#include "ServiceClock.h"

#include <QFile>

Outbox::Outbox(const QString &filePath, const ServiceClock &clock)
    : m_filePath(filePath), m_clock(clock)
{
}

bool Outbox::send(const QString &countryCode, const Message &message, QString *error) const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        *error = QStringLiteral("cannot append to %1: %2").arg(m_filePath, file.errorString());
        return false;
    }
    const QString sentAt = m_clock.nowUtc().toString(Qt::ISODate);
    const QStringList fields{sentAt,
                             countryCode,
                             message.mobileNo,
                             message.code,
                             QString::number(message.otpVerificationId),
                             message.purpose};
    if (file.write(fields.join(QLatin1Char('\t')).toUtf8() + '\n') < 0 || !file.flush()) {
        *error = QStringLiteral("cannot append to %1: %2").arg(m_filePath, file.errorString());
        return false;
    }
    return true;
}

std::optional<Outbox::Message> Outbox::latestFor(const QString &mobileNo) const
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    std::optional<Message> latest;
    while (!file.atEnd()) {
        const QStringList fields =
            QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t'));
        if (fields.size() == 6 && fields.at(2) == mobileNo)
            latest = Message{fields.at(2), fields.at(3), fields.at(4).toInt(), fields.at(5)};
    }
    return latest;
}
