#include "TextOrvKeyFilter.h"

#include "TextOrvLimit.h"
#include "platform/TextRules.h"

namespace
{

constexpr int refused = 0;

bool isDigit(int code)
{
    return code >= '0' && code <= '9';
}

// Null, Backspace, Tab and every character beyond Latin-1 pass every filter.
bool isAlwaysAccepted(int code)
{
    return code == 0 || code == 8 || code == 9 || code > 255;
}

bool isClipboardCode(int code)
{
    return code == 3 || code == 22 || code == 24;
}

// A number may be typed below the lower limit digit by digit; only the upper limit
// stops a keystroke. The candidate is the text with the character at its end,
// wherever the caret is.
int checkRange(int code, const TextOrvKeyContext &box)
{
    const std::optional<TextOrvLimit::Range> range = TextOrvLimit::parse(box.textLimit);
    if (!range)
        return code;
    const double candidate = TextRules::numericValue(box.text + QChar(char16_t(code)));
    return candidate > range->hi ? refused : code;
}

int filterNumber(int code, const TextOrvKeyContext &box, bool allowPoint)
{
    if (code == '-')
        return box.selectionStart == 0 ? code : refused;
    const bool point = code == '.';
    if (!isDigit(code) && !isAlwaysAccepted(code) && !(point && allowPoint))
        return refused;
    if (point && box.text.contains(QLatin1Char('.')))
        return refused;
    return checkRange(code, box);
}

} // namespace

namespace TextOrvKeyFilter
{

int filter(int keyAscii, const TextOrvKeyContext &box)
{
    if (isClipboardCode(keyAscii))
        return keyAscii;
    switch (box.textType) {
    case 1:
        return filterNumber(keyAscii, box, true);
    case 2:
        return filterNumber(keyAscii, box, false);
    case 3:
        return isDigit(keyAscii) || isAlwaysAccepted(keyAscii) || keyAscii == '.' ||
                       keyAscii == '/' || keyAscii == '-'
                   ? keyAscii
                   : refused;
    case 4:
        return isDigit(keyAscii) || isAlwaysAccepted(keyAscii) ? keyAscii : refused;
    default:
        return keyAscii;
    }
}

} // namespace TextOrvKeyFilter
