#include "AccountHttpServer.h"

#include "AccountService.h"
#include "Outbox.h"
#include "RequestFields.h"
#include "ServiceClock.h"

#include <QHash>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

namespace
{

const QString authPrefix = QStringLiteral("/api/service/v1/auth/user/");
const QString statusSuffix = QStringLiteral("/auth/desktop-status.txt");

using Method = QHttpServerRequest::Method;

ServiceReply methodNotAllowed()
{
    return ServiceReply::refusal("request", "This method is not allowed here.", 405);
}

ServiceReply malformedBody(const QString &problem)
{
    return ServiceReply::refusal("request", problem, 400);
}

ServiceReply html500()
{
    return {500, "text/html",
            "<!DOCTYPE html>\n<html><head><title>500 Internal Server Error</title></head>"
            "<body><h1>Internal Server Error</h1><p>The server encountered an internal error."
            "</p></body></html>\n"};
}

// A refusal padded to at least the given size with a member after the errors.
ServiceReply oversize(qint64 bytes)
{
    OrderedJsonObject errors;
    errors.add("mobile_no",
               QJsonArray{QStringLiteral("This reply is padded to %1 bytes.").arg(bytes)});
    OrderedJsonObject reply;
    reply.add("status", 0).add("errors", errors).add("padding", QString());
    QByteArray body = reply.toJson();
    const qint64 missing = bytes - body.size();
    if (missing > 0)
        body.insert(body.size() - 2, QByteArray(missing, 'x'));
    return {200, "application/json", body};
}

bool fromThisMachine(const QHttpServerRequest &request)
{
    return request.remoteAddress().isLoopback();
}

} // namespace

AccountHttpServer::AccountHttpServer(AccountService &service, const Outbox &outbox,
                                     const StatusFile &status, const Fault &fault,
                                     ServiceClock &clock, QObject *parent)
    : QAbstractHttpServer(parent), m_service(service), m_outbox(outbox), m_status(status),
      m_fault(fault), m_clock(clock)
{
}

bool AccountHttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const QString path = request.url().path();
    if (path.startsWith(authPrefix) && AccountService::isEndpoint(path.mid(authPrefix.size()))) {
        if (request.method() != Method::Post)
            send(request, socket, methodNotAllowed());
        else
            handleAuth(path.mid(authPrefix.size()), request, socket);
        return true;
    }
    send(request, socket, route(request, path));
    return true;
}

void AccountHttpServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    send(request, socket,
         ServiceReply::refusal("request", "There is nothing at this address.", 404));
}

ServiceReply AccountHttpServer::route(const QHttpServerRequest &request, const QString &path)
{
    if (path.endsWith(statusSuffix)) {
        if (request.method() != Method::Get)
            return methodNotAllowed();
        return {200, m_status.contentType, m_status.body};
    }
    if (path == QLatin1String("/dev/outbox"))
        return request.method() == Method::Get ? outboxReply(request) : methodNotAllowed();
    static const QHash<QString, Change> changes{
        {"/dev/fault", &AccountHttpServer::changeFault},
        {"/dev/status", &AccountHttpServer::changeStatus},
        {"/dev/clock", &AccountHttpServer::advanceClock},
    };
    if (const Change change = changes.value(path))
        return request.method() == Method::Post ? changeBehaviour(request, change)
                                                : methodNotAllowed();
    return ServiceReply::refusal("request", "There is nothing at this address.", 404);
}

void AccountHttpServer::handleAuth(const QString &endpoint, const QHttpServerRequest &request,
                                   QTcpSocket *socket)
{
    switch (m_fault.kind) {
    case Fault::Kind::Http500Html:
        send(request, socket, html500());
        return;
    case Fault::Kind::EmptyBody:
        send(request, socket, {200, "application/json", QByteArray()});
        return;
    case Fault::Kind::DropConnection:
        socket->abort();
        return;
    case Fault::Kind::Oversize:
        send(request, socket, oversize(m_fault.amount));
        return;
    case Fault::Kind::OversizeAnnounced:
        // Written past the responder, which would insist on sending the body.
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                      QByteArray::number(m_fault.amount) + "\r\n\r\n");
        return;
    case Fault::Kind::RefusalEmptyErrors:
        send(request, socket, {200, "application/json", R"({"status":0,"errors":""})"});
        return;
    case Fault::Kind::None:
    case Fault::Kind::Delay:
    case Fault::Kind::MalformedJson:
        break;
    }

    QString problem;
    const std::optional<RequestFields> fields = RequestFields::parse(request.body(), &problem);
    ServiceReply reply = fields ? m_service.handle(endpoint, *fields) : malformedBody(problem);
    if (m_fault.kind == Fault::Kind::MalformedJson)
        reply.body.truncate(reply.body.size() / 2);
    if (m_fault.kind == Fault::Kind::Delay)
        sendLater(request, socket, reply, m_fault.amount);
    else
        send(request, socket, reply);
}

ServiceReply AccountHttpServer::outboxReply(const QHttpServerRequest &request) const
{
    const QString mobileNo = request.query().queryItemValue("mobile_no").trimmed();
    const std::optional<Outbox::Message> message = m_outbox.latestFor(mobileNo);
    if (!message)
        return ServiceReply::refusal("mobile_no", "No OTP has been sent to this number.", 404);
    OrderedJsonObject reply;
    reply.add("mobile_no", message->mobileNo)
        .add("otp", message->code)
        .add("otp_verification_id", message->otpVerificationId)
        .add("purpose", message->purpose);
    return ServiceReply::success(reply);
}

ServiceReply AccountHttpServer::changeBehaviour(const QHttpServerRequest &request, Change change)
{
    if (!fromThisMachine(request))
        return ServiceReply::refusal("request",
                                     "The service can only be changed from this machine.", 403);
    QString problem;
    const std::optional<RequestFields> fields = RequestFields::parse(request.body(), &problem);
    return fields ? (this->*change)(*fields) : malformedBody(problem);
}

ServiceReply AccountHttpServer::changeFault(const RequestFields &fields)
{
    const std::optional<Fault> fault = Fault::parse(fields.text("fault"));
    if (!fault)
        return ServiceReply::refusal(
            "fault", QStringLiteral("Unknown fault \"%1\".").arg(fields.text("fault")), 400);
    m_fault = *fault;
    OrderedJsonObject reply;
    reply.add("fault", m_fault.toString());
    return ServiceReply::success(reply);
}

ServiceReply AccountHttpServer::changeStatus(const RequestFields &fields)
{
    QString problem;
    const std::optional<StatusFile> status =
        StatusFile::fromText(fields.raw("text"), fields.text("charset"), &problem);
    if (!status)
        return ServiceReply::refusal("charset", problem, 400);
    m_status = *status;
    OrderedJsonObject reply;
    reply.add("content_type", QString::fromLatin1(m_status.contentType));
    return ServiceReply::success(reply);
}

ServiceReply AccountHttpServer::advanceClock(const RequestFields &fields)
{
    bool isNumber = false;
    const qint64 seconds = fields.text("advance_seconds").toLongLong(&isNumber);
    if (!isNumber || !m_clock.advance(seconds))
        return ServiceReply::refusal(
            "advance_seconds",
            QStringLiteral("The clock moves on by a whole number of seconds from 0 to %1.")
                .arg(ServiceClock::maximumAdvanceSeconds),
            400);
    OrderedJsonObject reply;
    reply.add("now", m_clock.now());
    return ServiceReply::success(reply);
}

void AccountHttpServer::send(const QHttpServerRequest &request, QTcpSocket *socket,
                             const ServiceReply &reply)
{
    makeResponder(request, socket)
        .write(reply.body, reply.contentType,
               static_cast<QHttpServerResponder::StatusCode>(reply.httpStatus));
}

void AccountHttpServer::sendLater(const QHttpServerRequest &request, QTcpSocket *socket,
                                  const ServiceReply &reply, qint64 seconds)
{
    // The client may give up and close the connection before the delay is over.
    auto responder = std::make_shared<QHttpServerResponder>(makeResponder(request, socket));
    QTimer::singleShot(seconds * 1000, this, [responder, guard = QPointer(socket), reply] {
        if (guard && guard->state() == QAbstractSocket::ConnectedState)
            responder->write(reply.body, reply.contentType,
                             static_cast<QHttpServerResponder::StatusCode>(reply.httpStatus));
    });
}
