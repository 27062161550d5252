#include "platform/AnsiCodePage.h"

#include <array>

namespace
{

// 0x80-0x9F of Windows-1252. The five codes the code page leaves undefined keep
// their own value, as the system conversion does.
constexpr std::array<char16_t, 32> upperControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int unmappable = '?';

} // namespace

int AnsiCodePage::toAnsi(QChar character)
{
    const char16_t unicode = character.unicode();
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return unicode;
    for (std::size_t i = 0; i < upperControlBlock.size(); ++i) {
        if (upperControlBlock[i] == unicode)
            return int(0x80 + i);
    }
    return unmappable;
}

QChar AnsiCodePage::fromAnsi(int code)
{
    const int byte = code & 0xFF;
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(upperControlBlock[std::size_t(byte - 0x80)]);
    return QChar(char16_t(byte));
}

QString AnsiCodePage::decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += fromAnsi(static_cast<unsigned char>(byte));
    return text;
}
