#pragma once

#include "OrderedJsonObject.h"

#include <QByteArray>

class FieldErrors;

// What the service answers to one request, before any fault is applied to it.
struct ServiceReply {
    int httpStatus = 200;
    QByteArray contentType = "application/json";
    QByteArray body;

    // {"status":1,...}: the caller's members follow the status member.
    static ServiceReply success(const OrderedJsonObject &members);
    // {"status":0,"errors":{"field":["message"],...}}. Refusals of a well-formed request
    // keep HTTP 200: the status member carries the outcome.
    static ServiceReply refusal(const FieldErrors &errors, int httpStatus = 200);
    static ServiceReply refusal(const QString &field, const QString &message, int httpStatus = 200);
};
