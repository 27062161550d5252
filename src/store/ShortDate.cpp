#include "store/ShortDate.h"

#include "platform/Clock.h"

namespace
{

const QString shortDateFormat = QStringLiteral("dd/MM/yyyy");

} // namespace

QString ShortDate::format(const QDate &date)
{
    return date.toString(shortDateFormat);
}

QDate ShortDate::parse(const QString &text)
{
    return QDate::fromString(text.trimmed(), shortDateFormat);
}

QString ShortDate::today()
{
    return format(Clock::today());
}
