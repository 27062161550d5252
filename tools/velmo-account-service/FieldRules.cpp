#include "FieldRules.h"

#include "FieldErrors.h"
#include "RequestFields.h"

#include <QRegularExpression>

namespace
{

constexpr int minimumPasswordLength = 8;
constexpr int maximumPasswordLength = 64;

bool isDigits(const QString &text, int length)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return text.size() == length && digits.match(text).hasMatch();
}

} // namespace

namespace FieldRules
{

void checkCountryCode(const RequestFields &fields, FieldErrors &errors)
{
    static const QRegularExpression code(QStringLiteral("^\\+[0-9]{1,3}$"));
    const QString value = fields.text("country_code");
    if (value.isEmpty())
        errors.add("country_code", "The country code is required.");
    else if (!code.match(value).hasMatch())
        errors.add("country_code", "The country code must be a + followed by 1 to 3 digits.");
}

void checkMobileNo(const RequestFields &fields, FieldErrors &errors)
{
    const QString value = fields.text("mobile_no");
    if (value.isEmpty())
        errors.add("mobile_no", "The mobile number is required.");
    else if (!isDigits(value, 10))
        errors.add("mobile_no", "The mobile number must be exactly 10 digits.");
}

void checkEmail(const RequestFields &fields, FieldErrors &errors)
{
    static const QRegularExpression address(QStringLiteral("^[^@\\s]+@[^@\\s]+$"));
    const QString value = fields.text("email");
    if (value.isEmpty())
        errors.add("email", "The email address is required.");
    else if (!address.match(value).hasMatch())
        errors.add("email", "The email address is not valid.");
}

void checkPresent(const RequestFields &fields, FieldErrors &errors, const QString &field,
                  const QString &label)
{
    if (fields.text(field).isEmpty())
        errors.add(field, QStringLiteral("The %1 is required.").arg(label));
}

void checkNewPassword(const RequestFields &fields, FieldErrors &errors)
{
    const QString password = fields.text("password");
    if (password.isEmpty())
        errors.add("password", "The password is required.");
    else if (password.size() < minimumPasswordLength)
        errors.add("password", QStringLiteral("The password must be at least %1 characters.")
                                   .arg(minimumPasswordLength));
    else if (password.size() > maximumPasswordLength)
        errors.add("password", QStringLiteral("The password may not be longer than %1 characters.")
                                   .arg(maximumPasswordLength));
    else if (fields.text("password_confirmation") != password)
        errors.add("password_confirmation", "The password confirmation does not match.");
}

void checkPincode(const RequestFields &fields, FieldErrors &errors)
{
    if (!isDigits(fields.text("pincode"), 6))
        errors.add("pincode", "The pin code must be exactly 6 digits.");
}

void checkOrganizationType(const RequestFields &fields, FieldErrors &errors)
{
    const QString value = fields.text("organization_type");
    if (value != QLatin1String("CA") && value != QLatin1String("CORPORATE"))
        errors.add("organization_type", "The organisation type must be CA or CORPORATE.");
}

void checkOtpCode(const RequestFields &fields, FieldErrors &errors)
{
    if (!isDigits(fields.text("otp"), 6))
        errors.add("otp", "The OTP must be exactly 6 digits.");
}

int checkId(const RequestFields &fields, FieldErrors &errors, const QString &field,
            const QString &label)
{
    bool ok = false;
    const int id = fields.text(field).toInt(&ok);
    if (ok && id > 0)
        return id;
    errors.add(field, QStringLiteral("The %1 must be a positive whole number.").arg(label));
    return 0;
}

} // namespace FieldRules
