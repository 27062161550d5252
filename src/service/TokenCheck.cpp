#include "service/TokenCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/AnsiCodePage.h"

namespace
{

// Half of the key length, a half going to the even neighbour.
qsizetype keyMiddle(qsizetype keyLength)
{
    return qsizetype(std::nearbyint(double(keyLength) / 2.0));
}

} // namespace

int WrapByte(int value)
{
    if (value >= 0 && value <= 255)
        return value;
    if (value > 255)
        return value % 256;
    return 256 - std::abs(value % 255);
}

QString MakeTokenCheck(const QString &token, const QString &mobile, const QString &machineAddress)
{
    const QString key = mobile + tokenCheckSalt + machineAddress;
    const qsizetype keyLength = key.size();
    QString reversed = token;
    std::reverse(reversed.begin(), reversed.end());

    QString check;
    check.reserve(reversed.size());
    qsizetype k = keyMiddle(keyLength);
    for (qsizetype i = 0; i < reversed.size(); ++i) {
        const int a = AnsiCodePage::toAnsi(reversed.at(i));
        const int b = AnsiCodePage::toAnsi(key.at(k));
        // The position joins the sum modulo 256 so that very long tokens cannot overflow.
        check += AnsiCodePage::fromAnsi(WrapByte(a + int(i % 256) + int(k) + b));
        k = (k + 1 >= keyLength) ? 0 : k + 1;
    }
    check.replace(QChar(u'\0'), QStringLiteral("#(0)"));
    check.replace(QChar(u'\''), QStringLiteral("#(39)"));
    check.replace(QChar(u'\\'), QStringLiteral("#(92)"));
    return check;
}
