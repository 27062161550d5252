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
// response, or never answers when the response is empty. A stalling peer sends
// its response and then keeps the connection open without another byte. It keeps
// the last request it read and counts the connections the client closed.
class ScriptedPeer : public QTcpServer
{
public:
    enum class Ending { Close, Stall };

    explicit ScriptedPeer(QByteArray response = {}, Ending ending = Ending::Close)
        : m_response(std::move(response))
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this, ending] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::disconnected, this, [this] { ++closedByClient; });
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, ending] {
                    lastRequest += socket->readAll();
                    if (onFirstBytes)
                        QTimer::singleShot(0, this, std::exchange(onFirstBytes, {}));
                    if (!m_response.isEmpty() && lastRequest.contains("\r\n\r\n") &&
                        lastRequest.endsWith(expectedBody)) {
                        socket->write(m_response);
                        if (ending == Ending::Close) {
                            socket->disconnect(this);
                            socket->disconnectFromHost();
                        }
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
    // Runs once, after the first bytes of a request have arrived.
    std::function<void()> onFirstBytes;
    int closedByClient = 0;

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
    // Each row also shows the request going out as a JSON POST with its body.
    void replyTextIsReturned()
    {
        QFETCH(QByteArray, response);
        QFETCH(QString, expected);
        const QByteArray body = R"({"country_code":"+91","mobile_no":"9876543210"})";
        ScriptedPeer peer(response);
        peer.expectedBody = body;
        HttpTransport transport(&manager, 5);
        const std::optional<QString> reply = transport.post(peer.url(), body);
        QVERIFY(reply.has_value());
        QCOMPARE(*reply, expected);
        QCOMPARE(transport.ReplyText(), expected);
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

    // The reply never comes, or stops half-way: the wait gives up with the time-out
    // text, and the next call takes its own reply and closes the abandoned request
    // (one still in its secure handshake was never sent, so there is nothing to close).
    void timeOutAbandonsTheRequest_data()
    {
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<bool>("requestSent");
        QTest::newRow("no reply to the secure handshake")
            << QByteArray() << QByteArray("https") << false;
        QTest::newRow("reply stops after its headers")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n{\"status\"")
            << QByteArray("http") << true;
    }
    void timeOutAbandonsTheRequest()
    {
        QFETCH(QByteArray, response);
        QFETCH(QByteArray, scheme);
        QFETCH(bool, requestSent);
        ScriptedPeer stalling(response, ScriptedPeer::Ending::Stall);
        ScriptedPeer answering(okResponse(R"({"status":1})"));
        // Short, yet long enough that the prompt answer below never meets it.
        HttpTransport transport(&manager, 1);
        QCOMPARE(transport.post(stalling.url(scheme.constData()), "{}").value_or(QString()),
                 HttpTransport::timedOutText);
        QCOMPARE(transport.ReplyText(), HttpTransport::timedOutText);

        QCOMPARE(transport.post(answering.url(), "{}").value_or(QString()),
                 QStringLiteral(R"({"status":1})"));
        if (requestSent)
            QTRY_COMPARE(stalling.closedByClient, 1);
    }

    // A click during the wait starts another call: it replaces the pending
    // request, which is closed, and the first wait ends at once without taking
    // the new reply.
    void newCallDuringTheWaitReplacesTheRequest()
    {
        ScriptedPeer silent;
        ScriptedPeer answering(okResponse(R"({"status":1})"));
        // A first wait that did not end at once would answer the time-out text or the
        // new reply.
        HttpTransport transport(&manager, 30);
        std::optional<QString> inner;
        silent.onFirstBytes = [&] { inner = transport.post(answering.url(), "{}"); };
        const std::optional<QString> outer = transport.post(silent.url(), "{}");
        QVERIFY(!outer.has_value());
        QCOMPARE(inner.value_or(QString()), QStringLiteral(R"({"status":1})"));
        QCOMPARE(transport.ReplyText(), QStringLiteral(R"({"status":1})"));
        QTRY_COMPARE(silent.closedByClient, 1);
    }

    void transportDestroyedDuringTheWait()
    {
        ScriptedPeer silent;
        auto *transport = new HttpTransport(&manager, 30);
        silent.onFirstBytes = [&transport] {
            delete transport;
            transport = nullptr;
        };
        const std::optional<QString> reply = transport->post(silent.url(), "{}");
        QVERIFY(!reply.has_value());
        QVERIFY(transport == nullptr);
        QTRY_COMPARE(silent.closedByClient, 1);
    }
};

QTEST_GUILESS_MAIN(tst_HttpTransport)
#include "tst_HttpTransport.moc"
