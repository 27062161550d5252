#pragma once

#include "Fault.h"
#include "ServiceReply.h"
#include "StatusFile.h"

#include <QAbstractHttpServer>

class AccountService;
class Outbox;
class RequestFields;
class ServiceClock;

// Routes HTTP requests: the six authentication endpoints (where the current fault
// applies), the status file, and the /dev endpoints that tests and the demo use to
// read the outbox and to change the fault, the status file or the clock while running.
class AccountHttpServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    AccountHttpServer(AccountService &service, const Outbox &outbox, const StatusFile &status,
                      const Fault &fault, ServiceClock &clock, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    ServiceReply route(const QHttpServerRequest &request, const QString &path);
    void handleAuth(const QString &endpoint, const QHttpServerRequest &request, QTcpSocket *socket);
    ServiceReply outboxReply(const QHttpServerRequest &request) const;
    // The /dev switches, each from the members of its request.
    using Change = ServiceReply (AccountHttpServer::*)(const RequestFields &);
    ServiceReply changeBehaviour(const QHttpServerRequest &request, Change change);
    ServiceReply changeFault(const RequestFields &fields);
    ServiceReply changeStatus(const RequestFields &fields);
    ServiceReply advanceClock(const RequestFields &fields);
    void send(const QHttpServerRequest &request, QTcpSocket *socket, const ServiceReply &reply);
    void sendLater(const QHttpServerRequest &request, QTcpSocket *socket, const ServiceReply &reply,
                   qint64 seconds);

    AccountService &m_service;
    const Outbox &m_outbox;
    StatusFile m_status;
    Fault m_fault;
    ServiceClock &m_clock;
};
