#include "service/OpenTextStream.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStringDecoder>

#include "service/SslSettings.h"

namespace
{

struct Body {
    QByteArray bytes;
    QString contentType;
};

Body fetch(const QUrl &url, std::chrono::milliseconds silenceLimit)
{
    if (url.scheme() != QLatin1String("https") || !QCoreApplication::instance())
        return {};
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(textStreamRequest(url, silenceLimit));

    // The request's own time-out ends a reply that stays silent.
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The host's window must not react to clicks while the caller is blocked.
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (reply->error() != QNetworkReply::NoError)
        return {};
    return {reply->readAll(), reply->header(QNetworkRequest::ContentTypeHeader).toString()};
}

// "text/plain; charset=ISO-8859-1" names iso-8859-1.
QString charsetOf(const QString &contentType)
{
    const QString lowered = contentType.toLower();
    const qsizetype at = lowered.indexOf(QLatin1String("charset"));
    if (at < 0)
        return QStringLiteral("utf-8");
    const QStringList pieces = lowered.mid(at).split(u'=');
    if (pieces.size() < 2)
        return QStringLiteral("utf-8");
    QString charset = pieces.at(1).section(u';', 0, 0).trimmed();
    charset.remove(u'"');
    return charset.isEmpty() ? QStringLiteral("utf-8") : charset;
}

} // namespace

QNetworkRequest textStreamRequest(const QUrl &url, std::chrono::milliseconds silenceLimit)
{
    QNetworkRequest request(url);
    request.setSslConfiguration(velmoSslConfiguration());
    request.setTransferTimeout(int(silenceLimit.count()));
    return request;
}

TextLineStream OpenTextStream(const QString &url, std::chrono::milliseconds silenceLimit)
{
    const Body body = fetch(QUrl(url), silenceLimit);
    QString charset = charsetOf(body.contentType);
    QStringDecoder decoder(charset.toLatin1().constData());
    if (!decoder.isValid()) {
        charset = QStringLiteral("utf-8");
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    const QString separator =
        charset == QLatin1String("utf-8") ? QStringLiteral("\n") : QStringLiteral("\r\n");
    return TextLineStream(decoder.decode(body.bytes), separator);
}
