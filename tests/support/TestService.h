#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A private velmo-account-service for one test: HTTPS on 127.0.0.1 with a free port,
// its data in a temporary directory, stopped (and its data removed) when the object
// goes. While it lives, VELMO_ACCOUNT_SERVICE_URL, VELMO_STATUS_URL and VELMO_CA_BUNDLE
// point the library at it; their earlier values come back afterwards.
// The test must be registered with velmo_add_test(... SERVICE), which builds the service
// and makes the TLS material (VELMO_TEST_ACCOUNT_SERVICE, VELMO_TEST_TLS_DIR).
class TestService
{
public:
    // arguments: more service options, e.g. {"--fault=delay:3", "--token-lifetime=5"}.
    // certificate: which server certificate of the TLS directory to present: "server"
    // (trusted, for 127.0.0.1), "untrusted-server" (signed by a CA nobody trusts) or
    // "wronghost" (trusted CA, another host name).
    explicit TestService(const QStringList &arguments = {},
                         const QString &certificate = QStringLiteral("server"));
    ~TestService();
    TestService(const TestService &) = delete;
    TestService &operator=(const TestService &) = delete;

    bool isRunning() const;
    // https://127.0.0.1:PORT, no trailing slash.
    QString baseUrl() const;
    QString statusUrl() const;
    QString dataDir() const;
    static QString tlsDir();
    // The private CA that signed the "server" and "wronghost" certificates.
    static QString caBundle();

    // The latest code the service "sent" to the number, read from its outbox file;
    // empty when none was sent.
    QString latestOtp(const QString &mobileNo) const;
    int latestOtpVerificationId(const QString &mobileNo) const;
    // Everything the service printed on stdout so far.
    QString output();

    // Switch the fault of the authentication endpoints without a restart ("none" to clear).
    bool setFault(const QString &fault);
    // Switch the status file's text and charset without a restart.
    bool setStatus(const QString &text, const QString &charset = QStringLiteral("utf-8"));
    // Move the service's clock on, so that codes and tokens expire without a wait.
    bool advanceClock(qint64 seconds);

    struct Reply {
        QNetworkReply::NetworkError error = QNetworkReply::NoError; // TimeoutError: no reply
        int httpStatus = 0;
        QByteArray contentType;
        QByteArray body;
    };
    // One HTTPS request to a path of this service, trusting the private CA only.
    Reply request(const QString &path, const QByteArray &method = "GET",
                  const QByteArray &body = {}, int timeoutMs = 10000) const;

    // Stops the process (SIGTERM, then SIGKILL), keeping the data directory.
    void stop();
    // Starts it again on the same port with the same data; false when it did not come up.
    bool restart();

private:
    bool start(quint16 port);
    QStringList outboxFields(const QString &mobileNo) const;
    bool postDev(const QString &path, const QByteArray &body);
    void exportEnvironment() const;

    QStringList m_arguments;
    QString m_certificate;
    QTemporaryDir m_dataDir;
    std::unique_ptr<QProcess> m_process;
    quint16 m_port = 0;
    QString m_output;
    QByteArray m_savedServiceUrl, m_savedStatusUrl, m_savedCaBundle;
};
