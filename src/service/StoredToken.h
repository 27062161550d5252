#pragma once

#include <QString>

class AccountRecords;
struct SignInValues;

// True when the token stored for the window's TxtMobile1 on this machine is
// still usable: present, matching its check text, and not yet expired at
// Clock::now().
bool IsStoredTokenValid(const AccountRecords &records, const SignInValues &window);

// Keeps the token of a login reply and its check text as the window's CurrentToken
// and CurrentToken1 and in the account row of its TxtMobile1. An empty reply keeps
// the token already stored for that number.
void SaveLoginReply(AccountRecords &records, SignInValues &window, const QString &replyText);
