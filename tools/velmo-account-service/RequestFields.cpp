#include "RequestFields.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

std::optional<RequestFields> RequestFields::parse(const QByteArray &body, QString *problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = QStringLiteral("The request body is not valid JSON (%1 at offset %2).")
                       .arg(error.errorString())
                       .arg(error.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *problem = QStringLiteral("The request body must be a JSON object.");
        return std::nullopt;
    }
    RequestFields fields;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isString()) {
            *problem = QStringLiteral("The member \"%1\" must be a JSON string.").arg(it.key());
            return std::nullopt;
        }
        fields.m_values.insert(it.key(), it.value().toString());
    }
    return fields;
}

QString RequestFields::text(const QString &name) const
{
    return m_values.value(name).trimmed();
}

QString RequestFields::raw(const QString &name) const
{
    return m_values.value(name);
}
