#pragma once

#include <QString>

class AccountRecords;

// The token of a login and its check text: the window's CurrentToken and CurrentToken1.
struct LoginToken {
    QString token;
    QString check;
};

// True when the token stored for mobile on the records' machine is still usable:
// present, matching its check text, and not yet expired at Clock::now().
bool IsStoredTokenValid(const AccountRecords &records, const QString &mobile);

// The token of a login reply for mobile and its check text. An empty reply keeps the
// token already stored for that number.
LoginToken ReadLoginToken(const AccountRecords &records, const QString &mobile,
                          const QString &replyText);
