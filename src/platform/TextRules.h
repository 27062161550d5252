#pragma once

#include <limits>
#include <optional>

#include <QDate>
#include <QString>
#include <QStringView>

// The text rules that the input controls share: how a typed text reads as a
// number or a date, and how numbers are written back. All are pure functions.
namespace TextRules
{

// The leading number of a text: blanks, tabs and line feeds are skipped, then an
// optional sign, digits, at most one "." and an optional exponent are read; reading
// stops at the first character that does not fit. No number at the start reads 0.
double numericValue(QStringView text);

// Whether the whole text, apart from surrounding blanks, is one number.
bool isNumeric(QStringView text);

// The text without its leading and trailing blanks; tabs and line breaks stay.
QString trimBlanks(const QString &text);

// The whole number that a text holds, apart from surrounding blanks ("7", "07", "7.0",
// "7e0"); none when the text is no number, has a fraction, or lies outside Integer.
std::optional<qint64> wholeNumber(QStringView text);
template <typename Integer> std::optional<Integer> wholeNumberAs(QStringView text)
{
    const std::optional<qint64> value = wholeNumber(text);
    if (!value || *value < std::numeric_limits<Integer>::min() ||
        *value > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return Integer(*value);
}

// A number as the host writes it in text: up to 15 significant digits, no trailing
// zeros, an exponent only for very large or very small values ("100.5", "-3", "1E+20").
QString decimalText(double value);

// The value with exactly `decimals` decimals (none when decimals <= 0) and at least
// one integer digit; a half is carried away from zero (2.675 gives "2.68").
QString formatFixed(double value, int decimals);

// The value rounded to `decimals` decimals, a half going to the even neighbour.
double roundHalfEven(double value, int decimals);

// The canonical decimal form of a number written in text, exact up to 28 significant
// digits ("0012345" gives "12345", "1.50" gives "1.5"). Empty when the text is not a
// number or its integer part needs more than 28 digits.
std::optional<QString> exactDecimal(QStringView text);

// A typed date made into "DD/MM/YYYY"; "." and "-" count as "/", the day comes first,
// and a year of fewer than four digits is completed inside the window 1950-2049.
// Empty when the text is no valid date.
QString normaliseDate(QStringView text, int currentYear);
QString normaliseDate(QStringView text);

// Where the day, the month and the year stand in a date format ("dd/MM/yy", "M/d/yy",
// "yyyy-MM-dd", "d MMM yyyy").
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
DateOrder dateOrderOf(QStringView format);

// A date as some short date format wrote it: three runs of digits, or two and an English
// month name, apart from any other characters ("15/03/25", "3-15-2025", "2025.03.15",
// "15 Mar 2025"). A first run of three or four digits is the year; otherwise the runs
// stand in `order`, and when that is no date the day and the month trade places. A year
// of fewer than four digits is completed as in normaliseDate. Invalid when there is no date.
QDate readDate(QStringView text, DateOrder order, int currentYear);

// Upper case for the first character and for every character after a blank, ".",
// "(", "[" or a line break; nothing is turned to lower case.
QString properCase(QString text);

} // namespace TextRules
