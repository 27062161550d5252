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
        QTest::newRow("utf-8 lines") << "a\nb\n"
                                     << "utf-8"
                                     << "ab";
        QTest::newRow("utf-8 keeps carriage returns") << "a\r\nb"
                                                      << "utf-8"
                                                      << "a\rb";
        QTest::newRow("utf-8 text") << "₹ 100 — ok"
                                    << "utf-8"
                                    << "₹ 100 — ok";
        QTest::newRow("iso-8859-1 text") << "Grüße, Zoë"
                                         << "iso-8859-1"
                                         << "Grüße, Zoë";
        QTest::newRow("iso-8859-1 lines end in CR LF") << "x\r\ny\r\n"
                                                       << "iso-8859-1"
                                                       << "xy";
        QTest::newRow("iso-8859-1 keeps a lone line feed") << "x\ny"
                                                           << "iso-8859-1"
                                                           << "x\ny";
        QTest::newRow("windows-1252 euro") << "€5"
                                           << "windows-1252"
                                           << "€5";
        QTest::newRow("no charset reads as utf-8") << "é\nz"
                                                   << ""
                                                   << "éz";
        QTest::newRow("empty") << ""
                               << "utf-8"
                               << "";
    }
    void bodyIsDecodedAndItsLinesJoined()
    {
        QFETCH(QString, served);
        QFETCH(QString, charset);
        QFETCH(QString, expected);
        TestService service;
        QVERIFY(service.isRunning());
        QVERIFY(service.setStatus(served, charset));
        QCOMPARE(HttpGetText(service.statusUrl()), expected);
    }

    void refusedPeersGiveNothing_data()
    {
        QTest::addColumn<QString>("certificate");
        QTest::newRow("unknown authority") << "untrusted-server";
        QTest::newRow("other host name") << "wronghost";
    }
    void refusedPeersGiveNothing()
    {
        QFETCH(QString, certificate);
        TestService service({}, certificate);
        QVERIFY(service.isRunning());
        QCOMPARE(HttpGetText(service.statusUrl()), QString());
    }

    void missingFileGivesNothing()
    {
        TestService service({"--status-text=1"});
        QCOMPARE(HttpGetText(service.baseUrl() + "/auth/no-such-file.txt"), QString());
    }

    void onlyHttpsIsFetched()
    {
        TestService service({"--status-text=1"});
        QCOMPARE(HttpGetText(QString(service.statusUrl()).replace("https:", "http:")), QString());
    }

    void unreachableAddressGivesNothing()
    {
        QCOMPARE(HttpGetText("https://127.0.0.1:1/auth/desktop-status.txt"), QString());
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
