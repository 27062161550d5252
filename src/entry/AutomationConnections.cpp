#include "entry/AutomationConnections.h"

#include <QHash>

#include "platform/ConnectionString.h"

QSqlDatabase AutomationConnections::connectionFor(const QString &connectionString)
{
    static QHash<QString, QString> connectionNames;
    const auto known = connectionNames.constFind(connectionString);
    if (known != connectionNames.constEnd())
        return QSqlDatabase::database(*known, false);

    const QString name = QStringLiteral("VelmoAutomation-%1").arg(connectionNames.size() + 1);
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
    applyConnectionString(connection, connectionString);
    connectionNames.insert(connectionString, name);
    return connection;
}
