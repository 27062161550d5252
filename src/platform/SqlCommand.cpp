#include "platform/SqlCommand.h"

#include <QSqlError>

#include <VelmoITNet22SU/VelmoError.h>

namespace {

[[noreturn]] void raise(const QSqlError &error)
{
    const QString text = error.text().trimmed();
    throw VelmoError(text.isEmpty() ? QStringLiteral("The database refused the statement.")
                                    : text);
}

} // namespace

QSqlQuery execSql(const QSqlDatabase &db, const QString &statement,
                  const QVariantList &boundValues)
{
    if (!db.isOpen())
        throw VelmoError(QStringLiteral("The database connection is not open."));
    QSqlQuery query(db);
    if (boundValues.isEmpty()) {
        if (!query.exec(statement))
            raise(query.lastError());
        return query;
    }
    if (!query.prepare(statement))
        raise(query.lastError());
    for (const QVariant &value : boundValues)
        query.addBindValue(value);
    if (!query.exec())
        raise(query.lastError());
    return query;
}
