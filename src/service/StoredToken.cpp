#include "service/StoredToken.h"

#include "platform/Clock.h"
#include "platform/TextRules.h"
#include "service/JsonText.h"
#include "service/TokenCheck.h"
#include "service/TokenExpiry.h"
#include "store/AccountRecords.h"

bool IsStoredTokenValid(const AccountRecords &records, const QString &mobile)
{
    const QString token = records.ReadStoredToken(mobile);
    const QString storedCheck = records.ReadStoredToken1(mobile);
    return IsTokenUsable(token, storedCheck, TextRules::trimBlanks(mobile),
                         records.machineAddress(), Clock::now());
}

LoginToken ReadLoginToken(const AccountRecords &records, const QString &mobile,
                          const QString &replyText)
{
    QString reply = TextRules::trimBlanks(replyText);
    LoginToken login;
    login.token = reply.isEmpty()
                      ? records.ReadStoredToken(mobile)
                      : ExtractJsonValue(reply, QStringLiteral("token")).value_or(QString());
    login.check =
        MakeTokenCheck(login.token, TextRules::trimBlanks(mobile), records.machineAddress());
    return login;
}
