#include "signin/SignInChecks.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>

#include "controls/input/TextOrv.h"
#include "platform/TextRules.h"
#include "signin/SignInMessages.h"
#include "signin/SignUpPanel.h"

namespace SignInChecks
{

namespace
{

// The special characters as the password rule has always listed them; the list's own
// quotes and commas are searched too, so they count as special.
const QString specialCharacters = QStringLiteral(
    "'/','\\','<','>','@','='.'-','*','!','#','$','%','^','(',')','+',';',':','?','+','_','{','}'"
    ",'[',']','|','.'");

// Trims the input in place; false, with the message and the focus in the input, when
// nothing is left.
bool isFilled(TextOrv &input, const char *message, const SignInMessages &messages)
{
    const QString trimmed = input.Text().trimmed();
    if (trimmed.isEmpty()) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", message));
        input.setFocus();
        return false;
    }
    input.letText(trimmed);
    return true;
}

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

bool hasPasswordShape(const QString &password)
{
    return password.size() >= 8 && classifyPassword(password).allPresent();
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
    if (!hasPasswordShape(password)) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", "Invalid password format."));
        return false;
    }
    return true;
}

bool ValidateSignUpForm(SignUpPanel &panel, const SignInMessages &messages)
{
    if (!isFilled(*panel.TxtName, QT_TRANSLATE_NOOP("FrmSignUp", "Full Name is mandatory."),
                  messages) ||
        !isFilled(*panel.TxtFirmName, QT_TRANSLATE_NOOP("FrmSignUp", "Firm Name is mandatory."),
                  messages) ||
        !ValidateMobileNo(*panel.TxtMobileNo, messages) ||
        !ValidateEmail(*panel.TxtEmail, messages) ||
        !ValidatePasswordFormat(*panel.TxtPassword, messages) ||
        !ValidatePasswordFormat(*panel.TxtConfirmPassword, messages))
        return false;
    if (panel.TxtConfirmPassword->Text() != panel.TxtPassword->Text()) {
        messages.critical(QCoreApplication::translate(
            "FrmSignUp", "Password and confirm password does not match."));
        return false;
    }
    if (!panel.Opt1->isChecked() && !panel.Opt2->isChecked()) {
        messages.exclamation(QCoreApplication::translate(
            "FrmSignUp", "Please select option from professional / Business"));
        return false;
    }
    const QString pinCode = panel.txtPinCode->Text();
    if (pinCode.size() != 6 || !TextRules::isNumeric(pinCode)) {
        messages.exclamation(QCoreApplication::translate("FrmSignUp", "Invalid Pin Code"));
        return false;
    }
    if (!panel.ChekAgreeOrNot->isChecked()) {
        messages.exclamation(
            QCoreApplication::translate("FrmSignUp", "Please agree to Terms & Conditions"));
        return false;
    }
    return true;
}

void TxtFirmName_Validate(TextOrv &input, const SignInMessages &messages, bool &cancel)
{
    const QString trimmed = input.Text().trimmed();
    if (trimmed.isEmpty()) {
        messages.exclamation(QCoreApplication::translate(
            "FrmSignUp", "Firm Name minimum length will be 1 character"));
        cancel = true;
    }
    input.letText(trimmed);
}

void TxtConfirmPassword_Validate(const TextOrv &input, const SignInMessages &messages, bool &cancel)
{
    const QString password = input.Text().trimmed();
    if (password.isEmpty() || hasPasswordShape(password))
        return;
    messages.exclamation(QCoreApplication::translate("FrmSignUp", "Invalid password format"));
    cancel = true;
}

} // namespace SignInChecks
