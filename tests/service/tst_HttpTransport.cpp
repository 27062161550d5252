#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include "service/HttpTransport.h"

namespace
{

// A plain HTTP peer on 127.0.0.1 that answers every request with one fixed raw
// response, or never answers when the response is empty. It keeps the last
// request it read.
class ScriptedPeer : public QTcpServer
{
public:
    explicit ScriptedPeer(QByteArray response = {}) : m_response(std::move(response))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    lastRequest += socket->readAll();
                    if (!m_response.isEmpty() && lastRequest.contains("\r\n\r\n") &&
                        lastRequest.endsWith(expectedBody)) {
                        socket->write(m_response);
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    QString url(const char *scheme = "http") const
    {
        return QStringLiteral("%1://127.0.0.1:%2/api/x")
            .arg(QLatin1String(scheme))
            .arg(serverPort());
    }

    QByteArray lastRequest;
    QByteArray expectedBody;

private:
    QByteArray m_response;
};

QByteArray okResponse(const QByteArray &body, const QByteArray &status = "200 OK")
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace

class tst_HttpTransport : public QObject
{
    Q_OBJECT

private:
    QNetworkAccessManager manager;

private slots:
    void replyTextIsReturned_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("expected");
        QTest::newRow("JSON reply")
            << okResponse(R"({"status":1,"token":"a.b.c"})") << R"({"status":1,"token":"a.b.c"})";
        QTest::newRow("server error keeps its body")
            << okResponse("<html>Internal error</html>", "500 Internal Server Error")
            << "<html>Internal error</html>";
        QTest::newRow("empty body") << okResponse("") << "";
        QTest::newRow("connection dropped") << QByteArray("HTTP/1.1 200") << "";
        QTest::newRow("UTF-8 text") << okResponse(R"({"errors":"नमस्ते"})") << R"({"errors":"नमस्ते"})";
    }
    void replyTextIsReturned()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, expected);
        ScriptedPeer peer(response);
        HttpTransport transport(&manager, 5);
        const std::optional<QString> reply = transport.post(peer.url(), "{}");
        QVERIFY(reply.has_value());
        QCOMPARE(*reply, expected);
        QCOMPARE(transport.ReplyText(), expected);
    }

    void postsTheBodyAsJson()
    {
        const QByteArray body = R"({"country_code":"+91","mobile_no":"9876543210"})";
        ScriptedPeer peer(okResponse(R"({"status":1})"));
        peer.expectedBody = body;
        HttpTransport transport(&manager, 5);
        QVERIFY(transport.post(peer.url(), body).has_value());
        QVERIFY2(peer.lastRequest.startsWith("POST /api/x HTTP/1.1\r\n"), peer.lastRequest);
        QVERIFY(peer.lastRequest.contains("\r\nContent-Type: application/json\r\n"));
        QVERIFY(peer.lastRequest.endsWith("\r\n\r\n" + body));
    }

    void oversizeReplyIsRefused()
    {
        ScriptedPeer peer(okResponse(QByteArray(HttpTransport::maxReplyBytes + 10, 'x')));
        HttpTransport transport(&manager, 5);
        QVERIFY_THROWS_EXCEPTION(VelmoError, transport.post(peer.url(), "{}"));
    }

    // The reply never comes: the wait gives up once more than N second
    // boundaries have passed, that is between N and N+1 seconds.
    void timesOutBetweenNAndNPlusOneSeconds_data()
    {
        QTest::addColumn<int>("timeoutSeconds");
        QTest::newRow("1 s") << 1;
        QTest::newRow("2 s") << 2;
    }
    void timesOutBetweenNAndNPlusOneSeconds()
    {
        QFETCH(int, timeoutSeconds);
        ScriptedPeer silent;
        HttpTransport transport(&manager, timeoutSeconds);
        QElapsedTimer elapsed;
        elapsed.start();
        const std::optional<QString> reply = transport.post(silent.url("https"), "{}");
        const qint64 took = elapsed.elapsed();
        QCOMPARE(reply.value_or(QString()), HttpTransport::timedOutText);
        QVERIFY2(took >= timeoutSeconds * 1000 - 5, QByteArray::number(took));
        // The margin covers a loaded test machine waking the thread late.
        QVERIFY2(took <= (timeoutSeconds + 1) * 1000 + 750, QByteArray::number(took));
    }

    void timersTickDuringTheWait()
    {
        ScriptedPeer silent;
        HttpTransport transport(&manager, 1);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(100);
        transport.post(silent.url("https"), "{}");
        QVERIFY2(ticks >= 5, QByteArray::number(ticks));
    }

    // A click during the wait starts another call: it replaces the pending
    // request, and the first wait ends at once without taking the new reply.
    void newCallDuringTheWaitReplacesTheRequest()
    {
        ScriptedPeer silent;
        ScriptedPeer answering(okResponse(R"({"status":1})"));
        HttpTransport transport(&manager, 30);
        std::optional<QString> inner;
        QTimer::singleShot(100, this, [&] { inner = transport.post(answering.url(), "{}"); });
        QElapsedTimer elapsed;
        elapsed.start();
        const std::optional<QString> outer = transport.post(silent.url("https"), "{}");
        QVERIFY(!outer.has_value());
        QVERIFY(elapsed.elapsed() < 10000);
        QCOMPARE(inner.value_or(QString()), QStringLiteral(R"({"status":1})"));
        QCOMPARE(transport.ReplyText(), QStringLiteral(R"({"status":1})"));
    }

    void transportDestroyedDuringTheWait()
    {
        ScriptedPeer silent;
        auto *transport = new HttpTransport(&manager, 30);
        QTimer::singleShot(100, this, [&transport] {
            delete transport;
            transport = nullptr;
        });
        const std::optional<QString> reply = transport->post(silent.url("https"), "{}");
        QVERIFY(!reply.has_value());
        QVERIFY(transport == nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_HttpTransport)
#include "tst_HttpTransport.moc"
