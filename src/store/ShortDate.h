#pragma once

#include <QDate>
#include <QString>

// The date kept in SignInDate: "dd/MM/yyyy", ten characters, the same on every
// machine so that a date written on one day reads back as that day.
namespace ShortDate
{
QString format(const QDate &date);
// An invalid date when the text is empty or not a date in this format.
QDate parse(const QString &text);
// Today according to Clock.
QString today();
} // namespace ShortDate
