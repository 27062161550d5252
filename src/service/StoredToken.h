#pragma once

class AccountRecords;
struct SignInValues;

// True when the token stored for the window's TxtMobile1 on this machine is
// still usable: present, matching its check text, and not yet expired at
// Clock::now().
bool IsStoredTokenValid(const AccountRecords &records, const SignInValues &window);
