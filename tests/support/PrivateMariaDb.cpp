#include "PrivateMariaDb.h"

#include <QProcess>
#include <QSqlQuery>
#include <QUuid>

PrivateMariaDb::PrivateMariaDb()
{
    m_running = m_dir.isValid() && script("start");
}

PrivateMariaDb::~PrivateMariaDb()
{
    script("stop");
}

bool PrivateMariaDb::stop()
{
    m_running = !script("stop");
    return !m_running;
}

bool PrivateMariaDb::resume()
{
    m_running = script("resume");
    return m_running;
}

QString PrivateMariaDb::socket() const
{
    return m_dir.filePath(QStringLiteral("server/mysqld.sock"));
}

QString PrivateMariaDb::createDatabase()
{
    const QString name =
        QStringLiteral("velmo_p_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
    const QString admin = QStringLiteral("private-admin");
    bool created = false;
    {
        QSqlDatabase db = open(socket(), QString(), admin);
        created = db.isOpen() && QSqlQuery(db).exec(QStringLiteral("create database ") + name +
                                                    QStringLiteral(" character set utf8mb4"));
    }
    QSqlDatabase::removeDatabase(admin);
    return created ? name : QString();
}

QSqlDatabase PrivateMariaDb::open(const QString &socket, const QString &database,
                                  const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), connectionName);
    db.setUserName(QStringLiteral("root"));
    db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + socket);
    db.setDatabaseName(database);
    db.open();
    return db;
}

bool PrivateMariaDb::script(const char *command) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QStringLiteral(VELMO_MARIADB_SCRIPT),
                  {QString::fromLatin1(command), m_dir.filePath(QStringLiteral("server"))});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}
