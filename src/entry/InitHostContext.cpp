#include "entry/InitHostContext.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>

#include <VelmoITNet22SU/VelmoError.h>

#include "platform/ConnectionString.h"
#include "platform/SqlCommand.h"
#include "store/HostContext.h"

namespace {

void openFromConnectionString(QSqlDatabase &db, const QString &connectionString)
{
    applyConnectionString(db, connectionString);
    if (!db.open())
        throw VelmoError(db.lastError().text().trimmed());
}

QString versionFromDatabase(const QSqlDatabase &db, const QString &previous)
{
    QSqlQuery query =
        execSql(db, QStringLiteral("Select * from dbversion where prj_name = 'VelmoIT'"));
    if (!query.next())
        return previous;
    const QSqlRecord row = query.record();
    QStringList parts;
    for (const char *field : {"major", "minor", "revision"}) {
        const int index = row.indexOf(QLatin1String(field));
        if (index < 0)
            throw VelmoError(QStringLiteral("Unknown column '%1' in 'dbversion'")
                                 .arg(QLatin1String(field)));
        // A Null field contributes an empty text.
        parts << (query.isNull(index) ? QString() : query.value(index).toString());
    }
    return parts.join(u'.');
}

} // namespace

void InitHostContext(const QString &clientCode, const QString &assessmentYear,
                     const QSqlDatabase &connection, const QString &connectionString, bool vAPI,
                     const QString &version)
{
    HostContext &context = mdlPublicVar::hostContext();
    context.IT_Clientcode = clientCode;
    context.IT_Assyear = assessmentYear;
    context.setCON(connection);

    QSqlDatabase &con = context.CON();
    if (!con.isOpen())
        openFromConnectionString(con, connectionString);

    context.IT_Ver = vAPI ? version : versionFromDatabase(con, context.IT_Ver);
}
