#pragma once

#include <QString>

class SignInMessages;
class SignUpPanel;
class TextOrv;

// The field checks of the sign-in window. Each answers true when the value is
// acceptable and, when it is not, has already shown its message.
namespace SignInChecks
{

// How many characters of a password fall in each class. A character is a digit,
// else special (one of the listed punctuation marks), else upper case when upper-casing
// leaves it unchanged, else lower case. So "&", a blank or "~" count as upper case.
struct PasswordClasses {
    int digits = 0;
    int specials = 0;
    int upper = 0;
    int lower = 0;
    bool allPresent() const { return digits && specials && upper && lower; }
};
PasswordClasses classifyPassword(const QString &password);
// Eight characters or more with every class present.
bool hasPasswordShape(const QString &password);

// Ten characters that read as a number.
bool ValidateMobileNo(const TextOrv &input, const SignInMessages &messages);
// Trims the input in place; refuses an empty address, one without "@", and the
// throw-away mail services.
bool ValidateEmail(TextOrv &input, const SignInMessages &messages);
// At least eight characters with a digit, a special, an upper and a lower case one.
bool ValidatePasswordFormat(const TextOrv &input, const SignInMessages &messages);
// Every field of the sign-up screen in a fixed order; stops at the first failure.
bool ValidateSignUpForm(SignUpPanel &panel, const SignInMessages &messages);

// The validation events of the sign-up screen: run when the user leaves the input;
// setting cancel keeps the focus in it.
void TxtFirmName_Validate(TextOrv &input, const SignInMessages &messages, bool &cancel);
void TxtConfirmPassword_Validate(const TextOrv &input, const SignInMessages &messages,
                                 bool &cancel);

} // namespace SignInChecks
