#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "TemporaryRegistry.h"
#include "TestService.h"
#include "service/HttpGetText.h"
#include "service/OpenTextStream.h"

class tst_HttpGetText : public QObject
{
    Q_OBJECT

private:
    std::optional<TemporaryRegistry> registry;

private slots:
    void init()
    {
        // The TLS minimum is read from the registry: keep the user's own out of it.
        registry.emplace();
    }

    void bodyIsDecodedAndItsLinesJoined_data()
    {
        QTest::addColumn<QString>("served");
        QTest::addColumn<QString>("charset");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *served, const char *charset,
                            const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(served) << QString::fromLatin1(charset)
                                << QString::fromUtf8(expected);
        };
        row("utf-8 lines", "a\nb\n", "utf-8", "ab");
        row("utf-8 keeps carriage returns", "a\r\nb", "utf-8", "a\rb");
        row("utf-8 text", "₹ 100 — ok", "utf-8", "₹ 100 — ok");
        row("iso-8859-1 text", "Grüße, Zoë", "iso-8859-1", "Grüße, Zoë");
        row("iso-8859-1 lines end in CR LF", "x\r\ny\r\n", "iso-8859-1", "xy");
        row("iso-8859-1 keeps a lone line feed", "x\ny", "iso-8859-1", "x\ny");
        row("windows-1252 euro", "€5", "windows-1252", "€5");
        row("no charset reads as utf-8", "é\nz", "", "éz");
        row("empty", "", "utf-8", "");
    }
    void bodyIsDecodedAndItsLinesJoined()
    {
        QFETCH(QString, served);
        QFETCH(QString, charset);
        QFETCH(QString, expected);
        TestService service;
        QVERIFY(service.setStatus(served, charset));
        QCOMPARE(HttpGetText(service.statusUrl()), expected);
    }

    // The service serves its status text; each fetch here must still give nothing.
    void unusableAddressGivesNothing_data()
    {
        QTest::addColumn<QString>("certificate"); // empty: no service at all
        QTest::addColumn<QString>("url");         // %1: the service's host and port
        const QString status = QStringLiteral("https://%1/auth/desktop-status.txt");
        QTest::newRow("unknown authority") << "untrusted-server" << status;
        QTest::newRow("other host name") << "wronghost" << status;
        QTest::newRow("missing file") << "server"
                                      << "https://%1/auth/no-such-file.txt";
        QTest::newRow("plain HTTP") << "server"
                                    << "http://%1/auth/desktop-status.txt";
        QTest::newRow("nobody listening") << "" << status;
    }
    void unusableAddressGivesNothing()
    {
        QFETCH(QString, certificate);
        QFETCH(QString, url);
        std::optional<TestService> service;
        if (!certificate.isEmpty())
            service.emplace(QStringList(), certificate);
        const QString hostAndPort =
            service ? service->baseUrl().section(u'/', 2) : QStringLiteral("127.0.0.1:1");
        QCOMPARE(HttpGetText(url.arg(hostAndPort)), QString());
    }

    // A server that takes the connection and never answers: the wait ends once the
    // silence has lasted the limit (a short one here).
    void silentServerGivesNothing()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QCOMPARE(HttpGetText(QStringLiteral("https://127.0.0.1:%1/auth/desktop-status.txt")
                                 .arg(silent.serverPort()),
                             std::chrono::seconds(1)),
                 QString());
    }

    // Unless told otherwise the fetch waits as the platform's HTTP stack does: it gives
    // up after 30 seconds without an answer, and checks the peer.
    void fetchWaitsAsLongAsTheHttpStack()
    {
        const QNetworkRequest request =
            textStreamRequest(QUrl("https://127.0.0.1/auth/desktop-status.txt"));
        QCOMPARE(request.transferTimeout(), 30000);
        QCOMPARE(request.sslConfiguration().peerVerifyMode(), QSslSocket::VerifyPeer);
    }
};

QTEST_GUILESS_MAIN(tst_HttpGetText)
#include "tst_HttpGetText.moc"
