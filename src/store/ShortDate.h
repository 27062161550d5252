#pragma once

#include <QDate>
#include <QString>

// The date kept in SignInDate. It is written in the system's short date format and read
// back by the text rules' date reading, so a row written on a machine with another short
// date format (another order, separator or year length) still reads as its day.
namespace ShortDate
{
// The system's short date; the ISO form (ten characters) when that is longer than the
// column's ten characters or would not read back as the same day.
QString format(const QDate &date);
// An invalid date when the text is empty or no date.
QDate parse(const QString &text);
// Today according to Clock.
QString today();
} // namespace ShortDate
