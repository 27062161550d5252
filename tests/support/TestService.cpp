#include "TestService.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>

#include "FailHard.h"

namespace
{

constexpr int startTimeoutMs = 10000;
constexpr int stopTimeoutMs = 5000;
const char *serviceUrlVariable = "VELMO_ACCOUNT_SERVICE_URL";
const char *statusUrlVariable = "VELMO_STATUS_URL";
const char *caBundleVariable = "VELMO_CA_BUNDLE";

QString requiredEnvironment(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty())
        failHard(QStringLiteral("%1 is not set: register the test with velmo_add_test(... "
                                "SERVICE) and run it through ctest")
                     .arg(QLatin1String(name)));
    return value;
}

void restoreVariable(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

QByteArray savedVariable(const char *name)
{
    return qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
}

} // namespace

TestService::TestService(const QStringList &arguments, const QString &certificate)
    : m_arguments(arguments), m_certificate(certificate),
      m_savedServiceUrl(savedVariable(serviceUrlVariable)),
      m_savedStatusUrl(savedVariable(statusUrlVariable)),
      m_savedCaBundle(savedVariable(caBundleVariable))
{
    if (!m_dataDir.isValid())
        failHard(QStringLiteral("cannot create a temporary data directory"));
    if (!start(0))
        failHard(QStringLiteral("velmo-account-service did not start: ") + m_output);
}

TestService::~TestService()
{
    stop();
    restoreVariable(serviceUrlVariable, m_savedServiceUrl);
    restoreVariable(statusUrlVariable, m_savedStatusUrl);
    restoreVariable(caBundleVariable, m_savedCaBundle);
}

QString TestService::tlsDir()
{
    return requiredEnvironment("VELMO_TEST_TLS_DIR");
}

QString TestService::caBundle()
{
    return tlsDir() + QStringLiteral("/ca.pem");
}

bool TestService::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString TestService::baseUrl() const
{
    return QStringLiteral("https://127.0.0.1:%1").arg(m_port);
}

QString TestService::statusUrl() const
{
    return baseUrl() + QStringLiteral("/auth/desktop-status.txt");
}

QString TestService::dataDir() const
{
    return m_dataDir.path();
}

bool TestService::start(quint16 port)
{
    const QString tls = tlsDir();
    QStringList arguments{QStringLiteral("--port=%1").arg(port),
                          QStringLiteral("--cert=%1/%2.pem").arg(tls, m_certificate),
                          QStringLiteral("--key=%1/%2.key").arg(tls, m_certificate),
                          QStringLiteral("--data-dir=") + m_dataDir.path()};
    // Later options win, so the test's own arguments override these.
    arguments += m_arguments;

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start(requiredEnvironment("VELMO_TEST_ACCOUNT_SERVICE"), arguments);
    if (!m_process->waitForStarted(startTimeoutMs))
        return false;

    const QDeadlineTimer deadline(startTimeoutMs);
    while (!m_process->canReadLine() && m_process->state() == QProcess::Running &&
           !deadline.hasExpired())
        m_process->waitForReadyRead(int(deadline.remainingTime()));
    const QString firstLine = QString::fromUtf8(m_process->readLine()).trimmed();
    m_output += firstLine + QLatin1Char('\n');
    static const QRegularExpression announcement(
        QStringLiteral("^listening on https://127\\.0\\.0\\.1:(\\d+)$"));
    const QRegularExpressionMatch match = announcement.match(firstLine);
    if (!match.hasMatch()) {
        stop();
        return false;
    }
    m_port = match.captured(1).toUShort();
    exportEnvironment();
    return true;
}

void TestService::exportEnvironment() const
{
    qputenv(serviceUrlVariable, baseUrl().toUtf8());
    qputenv(statusUrlVariable, statusUrl().toUtf8());
    qputenv(caBundleVariable, caBundle().toUtf8());
}

void TestService::stop()
{
    if (!m_process)
        return;
    output();
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(stopTimeoutMs)) {
            m_process->kill();
            m_process->waitForFinished(stopTimeoutMs);
        }
    }
    m_output += QString::fromUtf8(m_process->readAllStandardOutput());
    m_process.reset();
}

bool TestService::restart()
{
    stop();
    return start(m_port);
}

QString TestService::output()
{
    if (m_process)
        m_output += QString::fromUtf8(m_process->readAllStandardOutput());
    return m_output;
}

QStringList TestService::outboxFields(const QString &mobileNo) const
{
    // Lines: time, country code, mobile number, code, verification id, purpose.
    QFile outbox(m_dataDir.filePath(QStringLiteral("outbox.txt")));
    if (!outbox.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList latest;
    while (!outbox.atEnd()) {
        const QStringList fields =
            QString::fromUtf8(outbox.readLine()).trimmed().split(QLatin1Char('\t'));
        if (fields.size() == 6 && fields.at(2) == mobileNo)
            latest = fields;
    }
    return latest;
}

QString TestService::latestOtp(const QString &mobileNo) const
{
    const QStringList fields = outboxFields(mobileNo);
    return fields.isEmpty() ? QString() : fields.at(3);
}

int TestService::latestOtpVerificationId(const QString &mobileNo) const
{
    const QStringList fields = outboxFields(mobileNo);
    return fields.isEmpty() ? 0 : fields.at(4).toInt();
}

bool TestService::setFault(const QString &fault)
{
    return postDev(QStringLiteral("/dev/fault"),
                   QJsonDocument(QJsonObject{{"fault", fault}}).toJson());
}

bool TestService::setStatus(const QString &text, const QString &charset)
{
    return postDev(QStringLiteral("/dev/status"),
                   QJsonDocument(QJsonObject{{"text", text}, {"charset", charset}}).toJson());
}

bool TestService::advanceClock(qint64 seconds)
{
    return postDev(
        QStringLiteral("/dev/clock"),
        QJsonDocument(QJsonObject{{"advance_seconds", QString::number(seconds)}}).toJson());
}

bool TestService::postDev(const QString &path, const QByteArray &body)
{
    const Reply reply = request(path, "POST", body, stopTimeoutMs);
    return reply.error == QNetworkReply::NoError && reply.body.startsWith("{\"status\":1");
}

TestService::Reply TestService::request(const QString &path, const QByteArray &method,
                                        const QByteArray &body, int timeoutMs) const
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(caBundle()));
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    QNetworkRequest httpRequest(QUrl(baseUrl() + path));
    httpRequest.setSslConfiguration(tls);
    httpRequest.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));

    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.sendCustomRequest(httpRequest, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    if (!reply->isFinished()) {
        reply->abort();
        return {QNetworkReply::TimeoutError, 0, {}, {}};
    }
    return {reply->error(), reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
}
