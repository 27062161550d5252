#pragma once

#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QString>

#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Posts one JSON request at a time to the account service and waits for its
// reply while the user interface keeps handling events. A new call replaces the
// request in flight; the replaced one is aborted and its wait ends at once.
// The caller owns the network access manager and chooses the time-out; the
// sign-in window owns one transport.
class HttpTransport : public QObject
{
    Q_OBJECT

public:
    static inline const QString timedOutText = QStringLiteral("Connection Timed Out");

    struct Poll {
        QString text;
        bool done = false;
    };

    HttpTransport(QNetworkAccessManager *manager, int timeoutSeconds, QObject *parent = nullptr);
    ~HttpTransport() override;

    // Posts body (Content-Type application/json, no other header) to url and
    // returns the reply text, the time-out text, or an empty text when the
    // request ended without a reply. No result when a newer call replaced this
    // one during the wait, or the transport was destroyed meanwhile.
    // Throws ServiceError when the service's certificate or the secure connection
    // fails, or the reply is larger than maxReplyBytes.
    std::optional<QString> post(const QString &url, const QByteArray &body);

    // The wait of post(): polls until a reply, a failure or the time-out, which
    // comes once more than timeoutSeconds second boundaries have passed.
    std::optional<QString> WaitForResponse(int timeoutSeconds);
    // One step of the wait.
    Poll PollResponse();

    // The last reply text (or the time-out text) until the next call.
    QString ReplyText() const { return m_replyText; }

    static constexpr qint64 maxReplyBytes = 1024 * 1024;
    // How much of a reply the network layer may hold before it is read.
    static constexpr qint64 readBufferBytes = 64 * 1024;

private:
    void startRequest(const QString &url, const QByteArray &body);
    void dropRequest();
    // A reply that announces more than maxReplyBytes is refused before its body.
    void checkAnnouncedSize();
    void readArrivedBytes();
    void refuseTooLarge();
    [[noreturn]] void failSecureConnection() const;

    QNetworkAccessManager *m_manager;
    int m_timeoutSeconds;
    QPointer<QNetworkReply> m_reply;
    quint64 m_requestNumber = 0;
    qint64 m_waitStartSecond = 0;
    QByteArray m_received;
    QList<QSslError> m_sslErrors;
    bool m_tooLarge = false;
    QString m_replyText;
};
