#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The members of a request body: a JSON object whose values are all strings.
class RequestFields
{
public:
    // Empty result and a readable reason in *problem when the body is not such an object.
    static std::optional<RequestFields> parse(const QByteArray &body, QString *problem);

    // The member's text with surrounding blanks removed; empty when absent.
    QString text(const QString &name) const;
    // The member exactly as sent (passwords keep their blanks).
    QString raw(const QString &name) const;

private:
    QHash<QString, QString> m_values;
};
