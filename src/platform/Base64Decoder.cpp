#include "platform/Base64Decoder.h"

std::optional<QByteArray> decodeBase64(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar character : text) {
        if (character.unicode() > 0x7F)
            return std::nullopt;
    }
    const QByteArray ascii = text.toLatin1();
    for (const auto alphabet : {QByteArray::Base64Encoding, QByteArray::Base64UrlEncoding}) {
        auto result = QByteArray::fromBase64Encoding(
            ascii, alphabet | QByteArray::AbortOnBase64DecodingErrors);
        if (result)
            return std::move(result.decoded);
    }
    return std::nullopt;
}
