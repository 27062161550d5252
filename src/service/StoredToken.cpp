#include "service/StoredToken.h"

#include "platform/Clock.h"
#include "service/TokenExpiry.h"
#include "store/AccountRecords.h"
#include "store/SignInValues.h"

bool IsStoredTokenValid(const AccountRecords &records, const SignInValues &window)
{
    const QString token = records.GetToken(QString(), QString());
    const QString storedCheck = records.ReadStoredToken1();
    return IsTokenUsable(token, storedCheck, window.TxtMobile1.trimmed(), window.MachineAddress,
                         Clock::now());
}
