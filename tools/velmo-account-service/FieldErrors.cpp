#include "FieldErrors.h"

#include <QJsonArray>

void FieldErrors::add(const QString &field, const QString &message)
{
    if (!has(field))
        m_errors.append({field, message});
}

bool FieldErrors::has(const QString &field) const
{
    for (const auto &error : m_errors) {
        if (error.first == field)
            return true;
    }
    return false;
}

OrderedJsonObject FieldErrors::toJson() const
{
    OrderedJsonObject object;
    for (const auto &[field, message] : m_errors)
        object.add(field, QJsonArray{message});
    return object;
}
