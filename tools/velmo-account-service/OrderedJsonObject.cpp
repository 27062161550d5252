#include "OrderedJsonObject.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace
{

// Lets QJsonDocument do the escaping: a one-element array, brackets dropped.
QByteArray encodeValue(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

OrderedJsonObject &OrderedJsonObject::add(const QString &key, const QJsonValue &value)
{
    m_members.append({key, encodeValue(value)});
    return *this;
}

OrderedJsonObject &OrderedJsonObject::add(const QString &key, const OrderedJsonObject &object)
{
    m_members.append({key, object.toJson()});
    return *this;
}

QByteArray OrderedJsonObject::toJson() const
{
    QByteArray text = "{";
    for (const auto &[key, value] : m_members) {
        if (text.size() > 1)
            text += ',';
        text += encodeValue(key) + ':' + value;
    }
    return text + '}';
}
