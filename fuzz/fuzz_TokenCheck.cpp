// Any token, mobile number and machine address: the check text is built
// without a crash, a token always matches its own check text, and the expiry
// reading never crashes, whatever the payload holds.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "service/TokenCheck.h"
#include "service/TokenExpiry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList parts = input.split(u'\n');
    const QString token = parts.value(0);
    const QString mobile = parts.value(1);
    const QString machine = parts.value(2);

    const QString check = MakeTokenCheck(token, mobile, machine);
    if (check.size() < token.size())
        __builtin_trap();
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0, 0));
    IsTokenUsable(token, check, mobile, machine, now);
    IsTokenUsable(token, QStringLiteral("x"), mobile, machine, now);

    double seconds = 0;
    if (size >= sizeof seconds) {
        std::memcpy(&seconds, data, sizeof seconds);
        const QString text = EpochToExpiryText(seconds);
        if (!text.isEmpty() && text.size() != 19)
            __builtin_trap();
    }
    return 0;
}
