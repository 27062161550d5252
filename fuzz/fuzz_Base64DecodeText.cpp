// Any text into the Base64 reader: no crash, and what decodes re-encodes to the
// same bytes.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

#include "platform/AnsiCodePage.h"
#include "service/TokenExpiry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = Base64DecodeText(text);
    if (decoded.size() > text.size())
        __builtin_trap();
    QByteArray bytes;
    for (const QChar character : decoded)
        bytes += char(AnsiCodePage::toAnsi(character));
    if (AnsiCodePage::decode(bytes) != decoded)
        __builtin_trap();
    return 0;
}
