// Any reply text and any key: no crash, no read outside the text, and the
// documented characters never survive in a value.
#include <QString>

#include <cstddef>
#include <cstdint>

#include "service/JsonText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t keyLength = data[0] % 16;
    if (size < 1 + keyLength)
        return 0;
    const QString key = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), keyLength);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1 + keyLength),
                                           qsizetype(size - 1 - keyLength));

    for (const QString &asked : {key, QStringLiteral("status"), QStringLiteral("token")}) {
        QString reply = text;
        const std::optional<QString> value = ExtractJsonValue(reply, asked);
        if (reply != text)
            __builtin_trap();
        if (value && (value->contains(u'"') || value->contains(u':') || value->contains(u'}') ||
                      value->size() > text.size()))
            __builtin_trap();
    }
    QString reply = text;
    const std::optional<QString> errors = ExtractJsonValue(reply, QStringLiteral("errors"));
    if (!errors)
        __builtin_trap();
    for (const QChar dropped : QStringLiteral("[]{}\""))
        if (errors->contains(dropped))
            __builtin_trap();
    return 0;
}
