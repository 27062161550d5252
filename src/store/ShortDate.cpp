#include "store/ShortDate.h"

#include <QLocale>

#include "platform/Clock.h"
#include "platform/TextRules.h"

namespace
{

// The width of the SignInDate column.
constexpr qsizetype columnWidth = 10;

} // namespace

QString ShortDate::format(const QDate &date)
{
    const QString text = QLocale::system().toString(date, QLocale::ShortFormat);
    if (text.size() <= columnWidth && parse(text) == date)
        return text;
    return date.toString(Qt::ISODate);
}

QDate ShortDate::parse(const QString &text)
{
    const QString systemFormat = QLocale::system().dateFormat(QLocale::ShortFormat);
    return TextRules::readDate(text, TextRules::dateOrderOf(systemFormat), Clock::today().year());
}

QString ShortDate::today()
{
    return format(Clock::today());
}
