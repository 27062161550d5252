#pragma once

#include <QString>

class FieldErrors;
class RequestFields;

// The service's own checks of request members. Each adds at most one message for its
// field to the errors; the client checks the same fields before sending, but the
// service cannot rely on that.
namespace FieldRules
{
void checkCountryCode(const RequestFields &fields, FieldErrors &errors);
void checkMobileNo(const RequestFields &fields, FieldErrors &errors);
void checkEmail(const RequestFields &fields, FieldErrors &errors);
void checkPresent(const RequestFields &fields, FieldErrors &errors, const QString &field,
                  const QString &label);
// password and password_confirmation of a new password.
void checkNewPassword(const RequestFields &fields, FieldErrors &errors);
void checkPincode(const RequestFields &fields, FieldErrors &errors);
void checkOrganizationType(const RequestFields &fields, FieldErrors &errors);
void checkOtpCode(const RequestFields &fields, FieldErrors &errors);
// A positive whole number sent as text; 0 when it is not one (and an error is added).
int checkId(const RequestFields &fields, FieldErrors &errors, const QString &field,
            const QString &label);
} // namespace FieldRules
