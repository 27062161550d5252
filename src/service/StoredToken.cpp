#include "service/StoredToken.h"

#include "platform/Clock.h"
#include "platform/TextRules.h"
#include "service/JsonText.h"
#include "service/TokenCheck.h"
#include "service/TokenExpiry.h"
#include "store/AccountRecords.h"
#include "store/SignInValues.h"

bool IsStoredTokenValid(const AccountRecords &records, const SignInValues &window)
{
    const QString token = records.ReadStoredToken();
    const QString storedCheck = records.ReadStoredToken1();
    return IsTokenUsable(token, storedCheck, TextRules::trimBlanks(window.TxtMobile1),
                         window.MachineAddress, Clock::now());
}

void SaveLoginReply(AccountRecords &records, SignInValues &window, const QString &replyText)
{
    QString reply = TextRules::trimBlanks(replyText);
    window.CurrentToken =
        reply.isEmpty() ? records.ReadStoredToken()
                        : ExtractJsonValue(reply, QStringLiteral("token")).value_or(QString());
    window.CurrentToken1 = MakeTokenCheck(
        window.CurrentToken, TextRules::trimBlanks(window.TxtMobile1), window.MachineAddress);
    records.SaveLoginAccount(window.CurrentToken, window.CurrentToken1);
}
