#include "service/StoredToken.h"

#include "platform/Clock.h"
#include "platform/TextRules.h"
#include "service/TokenExpiry.h"
#include "store/AccountRecords.h"
#include "store/SignInValues.h"

bool IsStoredTokenValid(const AccountRecords &records, const SignInValues &window)
{
    const QString token = records.GetToken(QString(), QString());
    const QString storedCheck = records.ReadStoredToken1();
    return IsTokenUsable(token, storedCheck, TextRules::trimBlanks(window.TxtMobile1),
                         window.MachineAddress, Clock::now());
}
