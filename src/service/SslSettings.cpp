#include "service/SslSettings.h"

#include <QSslCertificate>

#include "platform/SecureProtocols.h"

namespace
{

// The lowest TLS version whose bit is set becomes the minimum. Qt 6 no longer offers
// TLS 1.0 or 1.1 as a minimum (and OpenSSL's default security level refuses them), so
// those settings start at TLS 1.2 as well. A setting without any TLS bit (missing, or
// only the SSL versions, which Qt cannot speak) leaves Qt's default.
QSsl::SslProtocol minimumProtocol(quint32 bits)
{
    using namespace SecureProtocols;
    if (bits & (tls1_0 | tls1_1 | tls1_2))
        return QSsl::TlsV1_2OrLater;
    if (bits & tls1_3)
        return QSsl::TlsV1_3OrLater;
    return QSsl::SecureProtocols;
}

} // namespace

QSslConfiguration velmoSslConfiguration()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    configuration.setProtocol(minimumProtocol(quint32(SecureProtocols::current())));
    const QString bundle = qEnvironmentVariable("VELMO_CA_BUNDLE");
    if (!bundle.isEmpty()) {
        QList<QSslCertificate> authorities = configuration.caCertificates();
        authorities += QSslCertificate::fromPath(bundle, QSsl::Pem);
        configuration.setCaCertificates(authorities);
    }
    return configuration;
}
