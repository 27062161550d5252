#include "TextRules.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include <QDate>
#include <QLocale>
#include <QStringList>

namespace
{

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView withoutBlanksAround(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

// A finite double as fifteen significant decimal digits: value = 0.digits x 10^pointPosition.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalDigits fifteenDigits(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    DecimalDigits decimal;
    decimal.negative = value < 0;
    decimal.digits = text.substr(0, 1) + text.substr(2, 14);
    decimal.pointPosition = std::stoi(text.substr(text.find('e') + 1)) + 1;
    if (value == 0)
        decimal.pointPosition = 1;
    return decimal;
}

enum class HalfRule { AwayFromZero, ToEven };

// Keeps `decimals` decimals of the number and rounds the first dropped digit by `rule`.
// Returns the kept digits with the point before the last `decimals` of them.
std::string roundToDecimals(const DecimalDigits &decimal, int decimals, HalfRule rule)
{
    const int keep = decimal.pointPosition + decimals;
    if (keep < 0)
        return std::string(decimals + 1, '0');
    std::string kept = decimal.digits.substr(0, std::min<size_t>(keep, decimal.digits.size()));
    kept.append(std::max<int>(0, keep - int(decimal.digits.size())), '0');
    bool roundUp = false;
    if (keep < int(decimal.digits.size())) {
        const char first = decimal.digits[keep];
        const bool restZero = decimal.digits.find_first_not_of('0', keep + 1) == std::string::npos;
        if (first > '5' || (first == '5' && !restZero))
            roundUp = true;
        else if (first == '5')
            roundUp = rule == HalfRule::AwayFromZero || (!kept.empty() && (kept.back() - '0') % 2);
    }
    if (roundUp) {
        int i = int(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    if (int(kept.size()) <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    return kept;
}

bool allZero(const std::string &digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

QString digitsRun(QStringView text, qsizetype &position)
{
    const qsizetype start = position;
    while (position < text.size() && isDigit(text[position]))
        ++position;
    return text.mid(start, position - start).toString();
}

int expandedYear(const QString &yearDigits, int currentYear)
{
    QString year = TextRules::decimalText(TextRules::numericValue(yearDigits));
    if (year.size() >= 4)
        return year.toInt();
    const QString century = QString::number(currentYear).left(2);
    int expanded = 0;
    if (year.size() == 1) {
        expanded = QString(QStringLiteral("200") + year).toInt();
    } else if (year.size() == 3) {
        expanded = QString(century + year.right(2)).toInt();
    } else {
        expanded = QString(century + year).toInt();
        if (expanded < 1950)
            expanded += 100;
    }
    if (expanded > 2049)
        expanded -= 100;
    return expanded;
}

// The lenient test the host applies before reading a date: two or three runs of
// digits that form a calendar date read day first or month first.
bool looksLikeDate(QStringView text, int currentYear)
{
    const QList<QStringView> pieces = text.split(QLatin1Char('/'));
    if (pieces.size() < 2 || pieces.size() > 3)
        return false;
    for (QStringView piece : pieces) {
        if (piece.isEmpty() || piece.size() > 9)
            return false;
        for (QChar c : piece)
            if (!isDigit(c))
                return false;
    }
    const int first = pieces[0].toInt();
    const int second = pieces[1].toInt();
    const int year =
        pieces.size() == 3 ? expandedYear(pieces[2].toString(), currentYear) : currentYear;
    return QDate(year, second, first).isValid() || QDate(year, first, second).isValid();
}

// A text that is one number from end to end, apart from surrounding blanks.
struct WholeNumber {
    bool negative = false;
    std::string digits;
    int integerDigits = 0; // where the point sits in digits; may be negative or past the end
};

std::optional<WholeNumber> parseWholeNumber(QStringView text)
{
    constexpr int maxExponent = 60;
    text = withoutBlanksAround(text);
    WholeNumber number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        number.negative = text[i++] == QLatin1Char('-');
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            number.digits += text[i].toLatin1();
            number.integerDigits += seenPoint ? 0 : 1;
        } else if (text[i] == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (number.digits.empty())
        return std::nullopt;
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        bool ok = false;
        const int exponent = text.mid(i + 1).toInt(&ok);
        if (!ok || std::abs(exponent) > maxExponent)
            return std::nullopt;
        number.integerDigits += exponent;
        i = text.size();
    }
    if (i != text.size())
        return std::nullopt;
    return number;
}

int monthNamed(QStringView word)
{
    const QLocale english = QLocale::c();
    for (int month = 1; month <= 12; ++month) {
        for (QLocale::FormatType form : {QLocale::ShortFormat, QLocale::LongFormat}) {
            if (word.compare(english.monthName(month, form), Qt::CaseInsensitive) == 0)
                return month;
        }
    }
    return 0;
}

// The pieces of a written date: its runs of digits (as ASCII digits, whatever script
// they were written in) and the month its one word names, if any.
struct DateRuns {
    QStringList numbers;
    int namedMonth = 0;
};

std::optional<DateRuns> dateRuns(QStringView text)
{
    DateRuns runs;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype start = i;
        if (text[i].isDigit()) {
            QString digits;
            for (; i < text.size() && text[i].isDigit(); ++i)
                digits += QChar(u'0' + text[i].digitValue());
            runs.numbers << digits;
        } else if (text[i].isLetter()) {
            while (i < text.size() && text[i].isLetter())
                ++i;
            const int month = monthNamed(text.mid(start, i - start));
            if (month == 0 || runs.namedMonth != 0)
                return std::nullopt;
            runs.namedMonth = month;
        } else {
            ++i;
        }
    }
    return runs;
}

struct DateFields {
    QString day;
    QString month;
    QString year;
};

// Which run is which. A run of three or four digits can only be the year.
DateFields placeRuns(const QStringList &runs, TextRules::DateOrder order)
{
    using TextRules::DateOrder;
    const bool yearFirst =
        runs.first().size() >= 3 || (order == DateOrder::YearMonthDay && runs.last().size() < 3);
    if (runs.size() == 2)
        return yearFirst ? DateFields{runs[1], {}, runs[0]} : DateFields{runs[0], {}, runs[1]};
    if (yearFirst)
        return {runs[2], runs[1], runs[0]};
    if (order == DateOrder::MonthDayYear)
        return {runs[1], runs[0], runs[2]};
    return {runs[0], runs[1], runs[2]};
}

} // namespace

namespace TextRules
{

double numericValue(QStringView text)
{
    std::string number;
    number.reserve(text.size());
    bool seenPoint = false;
    bool seenDigit = false;
    qsizetype exponentStart = -1;
    for (QChar c : text) {
        if (isBlank(c) || c == QLatin1Char('\n'))
            continue;
        const char ascii = c.toLatin1();
        if (isDigit(c)) {
            number += ascii;
            seenDigit = true;
        } else if ((ascii == '-' || ascii == '+') &&
                   (number.empty() || qsizetype(number.size()) == exponentStart + 1)) {
            number += ascii;
        } else if (ascii == '.' && !seenPoint && exponentStart < 0) {
            number += ascii;
            seenPoint = true;
        } else if ((ascii == 'e' || ascii == 'E') && seenDigit && exponentStart < 0) {
            exponentStart = qsizetype(number.size());
            number += 'e';
        } else {
            break;
        }
    }
    if (exponentStart >= 0 && !isdigit(static_cast<unsigned char>(number.back())))
        number.resize(exponentStart);
    if (!seenDigit)
        return 0;
    const char *begin = number.data() + (number.front() == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(begin, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool tiny = exponentStart >= 0 && number[exponentStart + 1] == '-';
        const double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        return number.front() == '-' ? -magnitude : magnitude;
    }
    return value;
}

bool isNumeric(QStringView text)
{
    return parseWholeNumber(text).has_value();
}

QString trimBlanks(const QString &text)
{
    return withoutBlanksAround(text).toString();
}

std::optional<qint64> wholeNumber(QStringView text)
{
    const std::optional<QString> exact = exactDecimal(text);
    if (!exact || exact->contains(QLatin1Char('.')))
        return std::nullopt;
    bool fits = false;
    const qint64 value = exact->toLongLong(&fits);
    if (!fits)
        return std::nullopt;
    return value;
}

QString decimalText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(value, 'g', 15).toUpper();
}

QString formatFixed(double value, int decimals)
{
    decimals = std::max(0, decimals);
    if (!std::isfinite(value))
        value = 0;
    const DecimalDigits decimal = fifteenDigits(value);
    const std::string rounded = roundToDecimals(decimal, decimals, HalfRule::AwayFromZero);
    QString text = QString::fromLatin1(rounded.data(), qsizetype(rounded.size()));
    if (decimals > 0)
        text.insert(text.size() - decimals, QLatin1Char('.'));
    if (decimal.negative && !allZero(rounded))
        text.prepend(QLatin1Char('-'));
    return text;
}

double roundHalfEven(double value, int decimals)
{
    decimals = std::max(0, decimals);
    if (!std::isfinite(value) || value == 0)
        return value;
    const DecimalDigits decimal = fifteenDigits(value);
    std::string rounded = roundToDecimals(decimal, decimals, HalfRule::ToEven);
    rounded.insert(rounded.size() - decimals, 1, '.');
    double result = 0;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), result);
    return decimal.negative ? -result : result;
}

std::optional<QString> exactDecimal(QStringView text)
{
    constexpr int maxDigits = 28;
    const std::optional<WholeNumber> number = parseWholeNumber(text);
    if (!number)
        return std::nullopt;
    const bool negative = number->negative;
    std::string digits = number->digits;
    int integerDigits = number->integerDigits;
    if (integerDigits < 0) {
        digits.insert(0, -integerDigits, '0');
        integerDigits = 0;
    }
    if (integerDigits > int(digits.size()))
        digits.append(integerDigits - digits.size(), '0');
    const size_t leadingZeros = std::min<size_t>(digits.find_first_not_of('0'), integerDigits);
    digits.erase(0, leadingZeros);
    integerDigits -= int(leadingZeros);
    if (integerDigits > maxDigits)
        return std::nullopt;
    const size_t firstSignificant = std::min(digits.find_first_not_of('0'), digits.size());
    if (digits.size() - firstSignificant > size_t(maxDigits)) {
        DecimalDigits decimal{negative, digits, integerDigits};
        const int decimals = int(firstSignificant) + maxDigits - integerDigits;
        digits = roundToDecimals(decimal, decimals, HalfRule::ToEven);
        integerDigits = int(digits.size()) - decimals;
    }
    std::string fraction = digits.substr(integerDigits);
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string integer = digits.substr(0, integerDigits);
    if (integer.empty())
        integer = "0";
    if (allZero(integer) && fraction.empty())
        return QStringLiteral("0");
    QString result = QString::fromLatin1(integer.data(), qsizetype(integer.size()));
    if (!fraction.empty())
        result +=
            QLatin1Char('.') + QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    if (negative)
        result.prepend(QLatin1Char('-'));
    return result;
}

QString normaliseDate(QStringView text, int currentYear)
{
    QString slashed = text.toString();
    slashed.replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('/'));
    if (!looksLikeDate(slashed, currentYear))
        return QString();
    qsizetype position = 0;
    const int day = digitsRun(slashed, position).toInt();
    ++position;
    const int month = digitsRun(slashed, position).toInt();
    ++position;
    const int year = expandedYear(digitsRun(slashed, position), currentYear);
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100 || year > 9999)
        return QString();
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString normaliseDate(QStringView text)
{
    return normaliseDate(text, QDate::currentDate().year());
}

DateOrder dateOrderOf(QStringView format)
{
    qsizetype day = -1;
    qsizetype month = -1;
    qsizetype year = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('d') && day < 0)
            day = i;
        else if (c == QLatin1Char('M') && month < 0)
            month = i;
        else if (c == QLatin1Char('y') && year < 0)
            year = i;
    }
    if (year >= 0 && (day < 0 || year < day) && (month < 0 || year < month))
        return DateOrder::YearMonthDay;
    if (month >= 0 && day >= 0 && month < day)
        return DateOrder::MonthDayYear;
    return DateOrder::DayMonthYear;
}

QDate readDate(QStringView text, DateOrder order, int currentYear)
{
    const std::optional<DateRuns> runs = dateRuns(text);
    if (!runs || runs->numbers.size() != (runs->namedMonth ? 2 : 3))
        return QDate();
    for (const QString &run : runs->numbers) {
        if (run.size() > 4)
            return QDate();
    }
    const DateFields fields = placeRuns(runs->numbers, order);
    const int year = expandedYear(fields.year, currentYear);
    if (year < 100 || year > 9999)
        return QDate();
    const int day = fields.day.toInt();
    const int month = runs->namedMonth ? runs->namedMonth : fields.month.toInt();
    const QDate date(year, month, day);
    if (date.isValid() || runs->namedMonth)
        return date;
    return QDate(year, day, month);
}

QString properCase(QString text)
{
    if (text.isEmpty())
        return text;
    text[0] = text[0].toUpper();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(' ') || c == QLatin1Char('.') || c == QLatin1Char('(') ||
            c == QLatin1Char('['))
            text[i + 1] = text[i + 1].toUpper();
        if (c == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n') && i + 2 < text.size())
            text[i + 2] = text[i + 2].toUpper();
    }
    return text;
}

} // namespace TextRules
