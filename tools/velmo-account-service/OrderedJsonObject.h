#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

// A JSON object that keeps its members in the order they were added. Clients read
// replies as text and rely on the status member coming first, which QJsonObject,
// sorting its keys, cannot promise.
class OrderedJsonObject
{
public:
    OrderedJsonObject &add(const QString &key, const QJsonValue &value);
    OrderedJsonObject &add(const QString &key, const OrderedJsonObject &object);
    bool isEmpty() const { return m_members.isEmpty(); }
    QByteArray toJson() const;

private:
    QList<QPair<QString, QByteArray>> m_members;
};
