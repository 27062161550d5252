#pragma once

#include "OrderedJsonObject.h"

#include <QList>
#include <QPair>
#include <QString>

// The per-field messages of a refused request, in the order the fields were checked,
// one message per field (the first problem found).
class FieldErrors
{
public:
    void add(const QString &field, const QString &message);
    bool isEmpty() const { return m_errors.isEmpty(); }
    bool has(const QString &field) const;
    // {"field":["message"],...}
    OrderedJsonObject toJson() const;

private:
    QList<QPair<QString, QString>> m_errors;
};
