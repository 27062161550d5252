#include "TextOrvNormaliser.h"

#include <cmath>

#include "TextOrvLimit.h"
#include "platform/TextRules.h"

namespace
{

using TextOrvNormaliser::Occasion;
using TextOrvNormaliser::Result;

QString applyCase(const QString &text, int textCase)
{
    switch (textCase) {
    case 0:
        return text.toUpper();
    case 1:
        return text.toLower();
    case 2:
        return TextRules::properCase(text);
    default:
        return text;
    }
}

// The pattern "0." followed by one zero per decimal: without decimals the point stays.
QString formatDecimals(double value, int decimals)
{
    const QString text = TextRules::formatFixed(value, decimals);
    return decimals > 0 ? text : text + QLatin1Char('.');
}

Result normaliseNumber(Occasion occasion, const TextOrvRules &rules, const QString &text)
{
    const std::optional<TextOrvLimit::Range> range = TextOrvLimit::parse(rules.textLimit);
    double value = TextRules::numericValue(text);
    Result result;
    if (range) {
        result.outOfRange =
            occasion == Occasion::LeavingBox && (value < range->lo || value > range->hi);
        if (value > range->hi)
            value = range->hi;
        if (value < range->lo)
            value = range->lo;
    }
    result.text = rules.textType == 1 ? formatDecimals(value, rules.digitAfterDecimal)
                                      : TextRules::decimalText(std::floor(value));
    return result;
}

// Codes with leading zeros keep them: the zeros before the last character are counted
// and put back in front of the number that follows them.
QString normaliseDigitString(Occasion occasion, const QString &text)
{
    qsizetype zeros = 0;
    while (zeros + 1 < text.size() && text[zeros] == QLatin1Char('0'))
        ++zeros;
    const QString integerPart = TextRules::decimalText(std::floor(TextRules::numericValue(text)));
    if (zeros > 0)
        return QString(zeros, QLatin1Char('0')) + integerPart;
    if (occasion != Occasion::LeavingBox)
        return integerPart;
    if (text.isEmpty())
        return text;
    const std::optional<QString> exact = TextRules::exactDecimal(text);
    if (!exact)
        return text;
    return TextRules::numericValue(*exact) == 0 ? QString() : *exact;
}

} // namespace

namespace TextOrvNormaliser
{

Result normalise(Occasion occasion, const TextOrvRules &rules, const QString &text)
{
    switch (rules.textType) {
    case 0:
        return {occasion == Occasion::LeavingBox ? applyCase(text, rules.textCase) : text};
    case 1:
    case 2:
        return normaliseNumber(occasion, rules, text);
    case 3:
        return {occasion == Occasion::LimitAssigned ? text : TextRules::normaliseDate(text)};
    case 4:
        return {occasion == Occasion::LimitAssigned ? text : normaliseDigitString(occasion, text)};
    default:
        return {text};
    }
}

QString rangeMessage(const QString &textLimit)
{
    return QStringLiteral("Your input limit is '") + textLimit + QLatin1Char('\'');
}

} // namespace TextOrvNormaliser
