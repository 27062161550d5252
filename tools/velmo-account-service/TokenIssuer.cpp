#include "TokenIssuer.h"

#include "OrderedJsonObject.h"

#include <QMessageAuthenticationCode>

namespace
{

QByteArray base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

} // namespace

TokenIssuer::TokenIssuer(const QByteArray &secret, qint64 lifetimeSeconds)
    : m_secret(secret), m_lifetimeSeconds(lifetimeSeconds)
{
}

QByteArray TokenIssuer::issue(int userId, const QString &mobileNo, const QString &macAddress,
                              qint64 now) const
{
    OrderedJsonObject header;
    header.add("alg", "HS256").add("typ", "JWT");
    OrderedJsonObject payload;
    payload.add("exp", now + m_lifetimeSeconds)
        .add("iat", now)
        .add("sub", QString::number(userId))
        .add("mobile_no", mobileNo)
        .add("mac_address", macAddress);
    const QByteArray signingInput = base64Url(header.toJson()) + '.' + base64Url(payload.toJson());
    const QByteArray signature =
        QMessageAuthenticationCode::hash(signingInput, m_secret, QCryptographicHash::Sha256);
    return signingInput + '.' + base64Url(signature);
}
