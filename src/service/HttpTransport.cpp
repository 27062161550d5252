#include "service/HttpTransport.h"

#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "service/ServiceError.h"

#include "platform/EventWait.h"
#include "service/SslSettings.h"

namespace
{

qint64 currentSecond()
{
    return QDateTime::currentMSecsSinceEpoch() / 1000;
}

int millisecondsToNextSecond()
{
    return int(1000 - QDateTime::currentMSecsSinceEpoch() % 1000) + 1;
}

} // namespace

HttpTransport::HttpTransport(QNetworkAccessManager *manager, int timeoutSeconds, QObject *parent)
    : QObject(parent), m_manager(manager), m_timeoutSeconds(timeoutSeconds)
{
}

HttpTransport::~HttpTransport()
{
    dropRequest();
}

std::optional<QString> HttpTransport::post(const QString &url, const QByteArray &body)
{
    startRequest(url, body);
    return WaitForResponse(m_timeoutSeconds);
}

void HttpTransport::startRequest(const QString &url, const QByteArray &body)
{
    dropRequest();
    ++m_requestNumber;
    m_received.clear();
    m_sslErrors.clear();
    m_tooLarge = false;
    m_replyText.clear();

    QNetworkRequest request{QUrl(url)};
    request.setSslConfiguration(velmoSslConfiguration());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *reply = m_manager->post(request, body);
    m_reply = reply;
    // Without a bound the network layer buffers the whole body ahead of us.
    reply->setReadBufferSize(readBufferBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, &HttpTransport::checkAnnouncedSize);
    connect(reply, &QNetworkReply::readyRead, this, &HttpTransport::readArrivedBytes);
    connect(reply, &QNetworkReply::sslErrors, this,
            [this](const QList<QSslError> &errors) { m_sslErrors = errors; });
}

void HttpTransport::dropRequest()
{
    if (!m_reply)
        return;
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void HttpTransport::checkAnnouncedSize()
{
    if (!m_reply || m_tooLarge)
        return;
    bool known = false;
    const qint64 announced =
        m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > maxReplyBytes)
        refuseTooLarge();
}

void HttpTransport::readArrivedBytes()
{
    if (!m_reply || m_tooLarge)
        return;
    m_received += m_reply->readAll();
    if (m_received.size() > maxReplyBytes)
        refuseTooLarge();
}

void HttpTransport::refuseTooLarge()
{
    m_tooLarge = true;
    m_received.clear();
    m_received.squeeze();
    m_reply->abort();
}

std::optional<QString> HttpTransport::WaitForResponse(int timeoutSeconds)
{
    m_timeoutSeconds = timeoutSeconds;
    m_waitStartSecond = currentSecond();
    const quint64 requestNumber = m_requestNumber;
    const QPointer<HttpTransport> alive(this);
    for (;;) {
        const Poll step = PollResponse();
        if (step.done) {
            m_replyText = step.text;
            return step.text;
        }
        processEventsOrSleep(millisecondsToNextSecond());
        if (!alive || m_requestNumber != requestNumber)
            return std::nullopt;
    }
}

HttpTransport::Poll HttpTransport::PollResponse()
{
    if (currentSecond() - m_waitStartSecond > m_timeoutSeconds)
        return {timedOutText, true};
    if (!m_reply || !m_reply->isFinished())
        return {};
    readArrivedBytes();
    if (m_tooLarge)
        throw ServiceError(QStringLiteral("The account service sent a reply larger than %1 MB; "
                                        "it was not read. Please try after some time.")
                             .arg(maxReplyBytes / (1024 * 1024)));
    if (m_reply->error() == QNetworkReply::SslHandshakeFailedError)
        failSecureConnection();
    return {QString::fromUtf8(m_received), true};
}

void HttpTransport::failSecureConnection() const
{
    QStringList reasons;
    for (const QSslError &error : m_sslErrors)
        reasons << error.errorString();
    if (reasons.isEmpty())
        reasons << m_reply->errorString();
    throw ServiceError(QStringLiteral("A secure connection to the account service could not be "
                                    "made: %1. Nothing was sent.")
                         .arg(reasons.join(QStringLiteral("; "))));
}
