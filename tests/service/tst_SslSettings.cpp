#include <QtTest>

#include "TemporaryRegistry.h"
#include "platform/ModRegValue.h"
#include "service/SslSettings.h"

class tst_SslSettings : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

private slots:
    void init() { registry.emplace(); }

    void minimumFollowsSecureProtocols_data()
    {
        QTest::addColumn<QVariant>("secureProtocols");
        QTest::addColumn<QSsl::SslProtocol>("protocol");
        QTest::newRow("missing") << QVariant() << QSsl::SecureProtocols;
        QTest::newRow("TLS 1.0 to 1.2") << QVariant(2688) << QSsl::TlsV1_2OrLater;
        QTest::newRow("TLS 1.0 to 1.3") << QVariant(10880) << QSsl::TlsV1_2OrLater;
        QTest::newRow("TLS 1.2 only") << QVariant(0x0800) << QSsl::TlsV1_2OrLater;
        QTest::newRow("TLS 1.3 only") << QVariant(0x2000) << QSsl::TlsV1_3OrLater;
        QTest::newRow("SSL 3.0 and TLS 1.3") << QVariant(0x2020) << QSsl::TlsV1_3OrLater;
        QTest::newRow("SSL only") << QVariant(0x0028) << QSsl::SecureProtocols;
        QTest::newRow("zero") << QVariant(0) << QSsl::SecureProtocols;
    }
    void minimumFollowsSecureProtocols()
    {
        QFETCH(QVariant, secureProtocols);
        QFETCH(QSsl::SslProtocol, protocol);
        if (secureProtocols.isValid())
            QVERIFY(WriteRegValue(RegistryRoot::CurrentUser,
                                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                                  "SecureProtocols", secureProtocols));
        const QSslConfiguration configuration = velmoSslConfiguration();
        QCOMPARE(configuration.protocol(), protocol);
        QCOMPARE(configuration.peerVerifyMode(), QSslSocket::VerifyPeer);
    }
};

QTEST_GUILESS_MAIN(tst_SslSettings)
#include "tst_SslSettings.moc"
