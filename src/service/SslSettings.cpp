#include "service/SslSettings.h"

#include <QSslCertificate>

QSslConfiguration velmoSslConfiguration()
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    const QString bundle = qEnvironmentVariable("VELMO_CA_BUNDLE");
    if (!bundle.isEmpty()) {
        QList<QSslCertificate> authorities = configuration.caCertificates();
        authorities += QSslCertificate::fromPath(bundle, QSsl::Pem);
        configuration.setCaCertificates(authorities);
    }
    return configuration;
}
