#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// The saved design-time properties of one control: keys matched without regard to
// case, values that equal their default left out, the order of writing kept.
// Saved as a JSON array of [key, value] pairs so that the order survives.
class PropertyBag
{
public:
    // The stored value converted to the type of `defaultValue`, or the default
    // when the key is missing or its value cannot take that type.
    QVariant ReadProperty(const QString &key, const QVariant &defaultValue) const;

    // Stores the value unless it equals the default, in which case the key is dropped.
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue);
    // Stores the value whatever it is.
    void WriteProperty(const QString &key, const QVariant &value);

    bool contains(const QString &key) const;
    QStringList keys() const;
    bool isEmpty() const { return m_entries.isEmpty(); }

    QByteArray toJson() const;
    // False, with a message naming the fault, when the text is no saved property bag;
    // the bag is then left as it was.
    bool loadJson(const QByteArray &json, QString *errorMessage = nullptr);

private:
    struct Entry {
        QString key;
        QVariant value;
    };
    qsizetype indexOf(const QString &key) const;

    QList<Entry> m_entries;
};
