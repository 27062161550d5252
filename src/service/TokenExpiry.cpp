#include "service/TokenExpiry.h"

#include <cmath>

#include "platform/AnsiCodePage.h"
#include "platform/Base64Decoder.h"
#include "service/JsonText.h"
#include "service/TokenCheck.h"

namespace
{

const QString expiryFormat = QStringLiteral("dd/MM/yyyy HH:mm:ss");
constexpr double fixedOffsetSeconds = 19800;
// The years 1 and 9999 bound what the four-digit format can show.
constexpr double earliestSeconds = -62135596800.0;
constexpr double latestSeconds = 253402300799.0;

// The same wall-clock reading, placed where comparisons do no zone arithmetic.
QDateTime wallClock(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

std::optional<double> readExp(QString payload)
{
    const std::optional<QString> value = ExtractJsonValue(payload, QStringLiteral("exp"));
    if (!value)
        return std::nullopt;
    bool isNumber = false;
    const double exp = value->trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(exp))
        return std::nullopt;
    return exp;
}

} // namespace

QString Base64DecodeText(const QString &text)
{
    const std::optional<QByteArray> bytes = decodeBase64(text);
    return bytes ? AnsiCodePage::decode(*bytes) : QString();
}

QString EpochToExpiryText(double seconds)
{
    if (!std::isfinite(seconds))
        return {};
    const double total = std::round(seconds) + fixedOffsetSeconds;
    if (total < earliestSeconds || total > latestSeconds)
        return {};
    const QDateTime epoch = wallClock(QDate(1970, 1, 1), QTime(0, 0));
    return epoch.addSecs(qint64(total)).toString(expiryFormat);
}

bool IsTokenUsable(const QString &token, const QString &storedCheck, const QString &mobile,
                   const QString &machineAddress, const QDateTime &now)
{
    const QString check = MakeTokenCheck(token, mobile, machineAddress);
    if (storedCheck.isEmpty() || check.isEmpty() || storedCheck != check)
        return false;
    const QStringList parts = token.split(u'.');
    if (parts.size() < 2)
        return false;
    const QString payload = Base64DecodeText(parts.at(1));
    if (payload.isEmpty())
        return false;
    const std::optional<double> exp = readExp(payload);
    if (!exp)
        return false;
    // Read back as date and time separately: a local reading could fall into a
    // daylight-saving gap and move.
    const QString expiryText = EpochToExpiryText(*exp);
    const QDate expiryDate = QDate::fromString(expiryText.left(10), QStringLiteral("dd/MM/yyyy"));
    const QTime expiryTime = QTime::fromString(expiryText.mid(11), QStringLiteral("HH:mm:ss"));
    if (!expiryDate.isValid() || !expiryTime.isValid())
        return false;
    const QDateTime localNow = now.toLocalTime();
    return wallClock(expiryDate, expiryTime) > wallClock(localNow.date(), localNow.time());
}
