#include "OneTimePassword.h"

#include <QCryptographicHash>

QJsonObject OneTimePassword::toJson() const
{
    return {
        {"id", id},
        {"purpose", purpose == Purpose::SignUp ? "signup" : "password-reset"},
        {"mobile_no", mobileNo},
        {"user_id", userId},
        {"code_digest", QString::fromLatin1(codeDigest.toBase64())},
        {"expires_at", expiresAt},
        {"wrong_tries", wrongTries},
        {"verified", verified},
        {"consumed", consumed},
    };
}

OneTimePassword OneTimePassword::fromJson(const QJsonObject &object)
{
    OneTimePassword otp;
    otp.id = object.value("id").toInt();
    otp.purpose = object.value("purpose").toString() == QLatin1String("signup")
                      ? Purpose::SignUp
                      : Purpose::PasswordReset;
    otp.mobileNo = object.value("mobile_no").toString();
    otp.userId = object.value("user_id").toInt();
    otp.codeDigest = QByteArray::fromBase64(object.value("code_digest").toString().toLatin1());
    otp.expiresAt = object.value("expires_at").toInteger();
    otp.wrongTries = object.value("wrong_tries").toInt();
    otp.verified = object.value("verified").toBool();
    otp.consumed = object.value("consumed").toBool();
    return otp;
}

QByteArray OneTimePassword::digestOf(int id, const QString &code)
{
    return QCryptographicHash::hash(QByteArray::number(id) + ':' + code.toUtf8(),
                                    QCryptographicHash::Sha256);
}
