#include "PropertyBag.h"

#include <QJsonArray>
#include <QJsonDocument>

QVariant PropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(key);
    if (index < 0)
        return defaultValue;
    QVariant value = m_entries[index].value;
    if (!defaultValue.isValid())
        return value;
    if (!value.convert(defaultValue.metaType()))
        return defaultValue;
    return value;
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value,
                                const QVariant &defaultValue)
{
    if (value == defaultValue) {
        const qsizetype index = indexOf(key);
        if (index >= 0)
            m_entries.removeAt(index);
        return;
    }
    WriteProperty(key, value);
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value)
{
    const qsizetype index = indexOf(key);
    if (index >= 0)
        m_entries[index].value = value;
    else
        m_entries.append({key, value});
}

bool PropertyBag::contains(const QString &key) const
{
    return indexOf(key) >= 0;
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const Entry &entry : m_entries)
        result << entry.key;
    return result;
}

QByteArray PropertyBag::toJson() const
{
    QJsonArray pairs;
    for (const Entry &entry : m_entries)
        pairs.append(QJsonArray{entry.key, QJsonValue::fromVariant(entry.value)});
    return QJsonDocument(pairs).toJson(QJsonDocument::Indented);
}

bool PropertyBag::loadJson(const QByteArray &json, QString *errorMessage)
{
    const auto fail = [errorMessage](const QString &message) {
        if (errorMessage)
            *errorMessage = message;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(QStringLiteral("The saved properties are not valid JSON: %1 at offset %2.")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
    if (!document.isArray())
        return fail(QStringLiteral("The saved properties are not a list of key and value pairs."));
    QList<Entry> entries;
    const QJsonArray pairs = document.array();
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const QJsonArray pair = pairs[i].toArray();
        if (pair.size() != 2 || !pair[0].isString() || pair[1].isArray() || pair[1].isObject())
            return fail(
                QStringLiteral("Saved property %1 is not a pair of a key and a plain value.")
                    .arg(i + 1));
        entries.append({pair[0].toString(), pair[1].toVariant()});
    }
    m_entries = entries;
    return true;
}

qsizetype PropertyBag::indexOf(const QString &key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
