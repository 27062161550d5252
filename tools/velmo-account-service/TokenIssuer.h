#pragma once

#include <QByteArray>
#include <QString>

// Signs HS256 JSON Web Tokens: base64url(header).base64url(payload).base64url(signature).
class TokenIssuer
{
public:
    TokenIssuer(const QByteArray &secret, qint64 lifetimeSeconds);

    // The payload starts with exp, the expiry in seconds since 1970 (UTC).
    QByteArray issue(int userId, const QString &mobileNo, const QString &macAddress,
                     qint64 now) const;
    qint64 lifetimeSeconds() const { return m_lifetimeSeconds; }

private:
    QByteArray m_secret;
    qint64 m_lifetimeSeconds;
};
