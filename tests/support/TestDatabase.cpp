#include "TestDatabase.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QUuid>

#include "FailHard.h"
#include "PrivateMariaDb.h"

QString TestDatabase::socketPath()
{
    const QString socket = qEnvironmentVariable("VELMO_TEST_MARIADB_SOCKET");
    if (socket.isEmpty())
        failHard(
            QStringLiteral("VELMO_TEST_MARIADB_SOCKET is not set: run the test through ctest"));
    return socket;
}

TestDatabase::TestDatabase()
{
    const QString token = QUuid::createUuid().toString(QUuid::Id128).left(12);
    m_name = QStringLiteral("velmo_t_") + token;
    m_connectionName = QStringLiteral("test-") + token;

    QSqlDatabase db = PrivateMariaDb::open(socketPath(), QString(), m_connectionName);
    if (!db.isOpen())
        failHard(QStringLiteral("cannot reach the test server: ") + db.lastError().text());
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE DATABASE ") + m_name +
                     QStringLiteral(" CHARACTER SET utf8mb4")))
        failHard(create.lastError().text());
    db.close();
    db.setDatabaseName(m_name);
    if (!db.open())
        failHard(db.lastError().text());
}

TestDatabase::~TestDatabase()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            QSqlQuery(db).exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase TestDatabase::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlDatabase TestDatabase::closedConnection(const QString &connectionName) const
{
    return QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
}

QSqlDatabase TestDatabase::secondConnection(const QString &connectionName) const
{
    QSqlDatabase second = PrivateMariaDb::open(socketPath(), m_name, connectionName);
    if (!second.isOpen())
        qWarning("a second connection to %s could not be opened", qPrintable(m_name));
    return second;
}

QString TestDatabase::connectionString() const
{
    return QStringLiteral("Server=localhost;Database=%1;Uid=root;Pwd=;Socket=%2;Option=3")
        .arg(m_name, socketPath());
}

QSqlQuery TestDatabase::run(const QString &statement) const
{
    QSqlQuery query(connection());
    if (!query.exec(statement))
        failHard(statement + QStringLiteral(": ") + query.lastError().text());
    return query;
}

void TestDatabase::exec(const QString &statement) const
{
    run(statement);
}

QVariantList TestDatabase::column(const QString &statement) const
{
    QSqlQuery query = run(statement);
    QVariantList values;
    while (query.next())
        values << query.value(0);
    return values;
}

QStringList TestDatabase::rows(const QString &statement) const
{
    QSqlQuery query = run(statement);
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int field = 0; field < query.record().count(); ++field)
            fields << (query.isNull(field) ? QStringLiteral("NULL")
                                           : query.value(field).toString());
        rows << fields.join(u'|');
    }
    return rows;
}

QVariant TestDatabase::scalar(const QString &statement) const
{
    const QVariantList values = column(statement);
    return values.isEmpty() ? QVariant() : values.first();
}
