#include "signin/SignInChecks.h"

#include <QCoreApplication>

#include "controls/input/TextOrv.h"
#include "platform/TextRules.h"
#include "signin/SignInMessages.h"

namespace SignInChecks
{

namespace
{

// The special characters as the password rule has always listed them; the list's own
// quotes and commas are searched too, so they count as special.
const QString specialCharacters = QStringLiteral(
    "'/','\\','<','>','@','='.'-','*','!','#','$','%','^','(',')','+',';',':','?','+','_','{','}'"
    ",'[',']','|','.'");

} // namespace

PasswordClasses classifyPassword(const QString &password)
{
    PasswordClasses counts;
    for (const QChar c : password) {
        if (c >= u'0' && c <= u'9')
            ++counts.digits;
        else if (specialCharacters.contains(c))
            ++counts.specials;
        else if (c.toUpper() == c)
            ++counts.upper;
        else if (c.toLower() == c)
            ++counts.lower;
    }
    return counts;
}

bool ValidateMobileNo(const TextOrv &input, const SignInMessages &messages)
{
    const QString number = input.Text().trimmed();
    if (number.size() == 10 && TextRules::isNumeric(number))
        return true;
    messages.exclamation(
        QCoreApplication::translate("FrmSignUp", "Please enter correct Mobile No."));
    return false;
}

bool ValidateEmail(TextOrv &input, const SignInMessages &messages)
{
    const QString address = input.Text().trimmed();
    input.letText(address);
    if (address.isEmpty()) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", "Please enter EMail Id."));
        return false;
    }
    if (!address.contains(u'@') || address.contains(u"yopmail", Qt::CaseInsensitive) ||
        address.contains(u"mailinator", Qt::CaseInsensitive)) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", "Invalid EMail Id"));
        return false;
    }
    return true;
}

bool ValidatePasswordFormat(const TextOrv &input, const SignInMessages &messages)
{
    const QString password = input.Text().trimmed();
    if (password.isEmpty()) {
        messages.exclamation(
            QCoreApplication::translate("FrmSignUp", "Password should be minimum 8 characters."));
        return false;
    }
    if (password.size() < 8 || !classifyPassword(password).allPresent()) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", "Invalid password format."));
        return false;
    }
    return true;
}

} // namespace SignInChecks
