#include "service/JsonRequestBody.h"

#include "service/JsonText.h"

JsonRequestBody &JsonRequestBody::add(const QString &key, const QString &value)
{
    if (!m_members.isEmpty())
        m_members += u',';
    QString withoutLineBreaks = value;
    withoutLineBreaks.replace(QStringLiteral("\r\n"), QString());
    m_members += getJsonValue(key, withoutLineBreaks);
    return *this;
}

QString JsonRequestBody::text() const
{
    return u'{' + m_members + u'}';
}
