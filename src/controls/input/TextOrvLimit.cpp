#include "TextOrvLimit.h"

#include "platform/TextRules.h"

namespace TextOrvLimit
{

std::optional<Range> parse(const QString &textLimit)
{
    const qsizetype colon = textLimit.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const QStringView text(textLimit);
    const QStringView hiPiece = text.mid(colon + 1);
    return Range{TextRules::numericValue(text.left(colon)),
                 TextRules::numericValue(hiPiece.left(hiPiece.indexOf(QLatin1Char(':'))))};
}

QString normalise(const QString &textLimit)
{
    const std::optional<Range> range = parse(textLimit);
    if (!range)
        return defaultLimit;
    return TextRules::decimalText(range->lo) + QLatin1Char(':') + TextRules::decimalText(range->hi);
}

} // namespace TextOrvLimit
