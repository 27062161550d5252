#pragma once

#include <QByteArray>
#include <QString>

// A request body assembled member by member, in order: {"a":"1","b":"2"}.
// Every carriage-return line-feed pair is removed from each value before it is
// escaped, so that no typed line break reaches the service.
class JsonRequestBody
{
public:
    JsonRequestBody &add(const QString &key, const QString &value);
    QString text() const;
    QByteArray toUtf8() const { return text().toUtf8(); }

private:
    QString m_members;
};
