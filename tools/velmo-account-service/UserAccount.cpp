#include "UserAccount.h"

QJsonObject UserAccount::toJson() const
{
    return {
        {"id", id},
        {"country_code", countryCode},
        {"mobile_no", mobileNo},
        {"email", email},
        {"full_name", fullName},
        {"organization_name", organizationName},
        {"organization_type", organizationType},
        {"pincode", pincode},
        {"utm_source", utmSource},
        {"mac_address", macAddress},
        {"password_salt", QString::fromLatin1(passwordSalt.toBase64())},
        {"password_digest", QString::fromLatin1(passwordDigest.toBase64())},
        {"password_iterations", passwordIterations},
        {"created_at", createdAt},
        {"last_login_at", lastLoginAt},
    };
}

UserAccount UserAccount::fromJson(const QJsonObject &object)
{
    UserAccount user;
    user.id = object.value("id").toInt();
    user.countryCode = object.value("country_code").toString();
    user.mobileNo = object.value("mobile_no").toString();
    user.email = object.value("email").toString();
    user.fullName = object.value("full_name").toString();
    user.organizationName = object.value("organization_name").toString();
    user.organizationType = object.value("organization_type").toString();
    user.pincode = object.value("pincode").toString();
    user.utmSource = object.value("utm_source").toString();
    user.macAddress = object.value("mac_address").toString();
    user.passwordSalt = QByteArray::fromBase64(object.value("password_salt").toString().toLatin1());
    user.passwordDigest =
        QByteArray::fromBase64(object.value("password_digest").toString().toLatin1());
    user.passwordIterations = object.value("password_iterations").toInt();
    user.createdAt = object.value("created_at").toInteger();
    user.lastLoginAt = object.value("last_login_at").toInteger();
    return user;
}
