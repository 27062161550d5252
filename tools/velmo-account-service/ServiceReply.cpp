#include "ServiceReply.h"

#include "FieldErrors.h"

ServiceReply ServiceReply::success(const OrderedJsonObject &members)
{
    QByteArray body = members.toJson();
    body.remove(0, 1);
    if (body != "}")
        body.prepend(',');
    return {200, "application/json", "{\"status\":1" + body};
}

ServiceReply ServiceReply::refusal(const FieldErrors &errors, int httpStatus)
{
    OrderedJsonObject reply;
    reply.add(QStringLiteral("status"), 0);
    reply.add(QStringLiteral("errors"), errors.toJson());
    return {httpStatus, "application/json", reply.toJson()};
}

ServiceReply ServiceReply::refusal(const QString &field, const QString &message, int httpStatus)
{
    FieldErrors errors;
    errors.add(field, message);
    return refusal(errors, httpStatus);
}
