#include "PrivateMariaDb.h"

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace
{

const QString fixtureScript = QStringLiteral(VELMO_SOURCE_DIR "/tests/fixtures/mariadb.sh");

std::runtime_error failure(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

} // namespace

PrivateMariaDb::PrivateMariaDb() : m_connectionName(QStringLiteral("velmo-bench"))
{
    if (!m_dir.isValid())
        throw failure(QStringLiteral("cannot create a temporary directory for mariadbd"));
    if (!runFixture(QStringLiteral("start")))
        throw failure(QStringLiteral("mariadbd did not start; see ") + m_dir.path() +
                      QStringLiteral("/server.log"));
}

PrivateMariaDb::~PrivateMariaDb()
{
    QSqlDatabase::removeDatabase(m_connectionName);
    runFixture(QStringLiteral("stop"));
}

bool PrivateMariaDb::runFixture(const QString &command)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(fixtureScript, {command, m_dir.path()});
    return script.waitForFinished(60000) && script.exitStatus() == QProcess::NormalExit &&
           script.exitCode() == 0;
}

QSqlDatabase PrivateMariaDb::createDatabase(const QString &name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_connectionName);
    db.setUserName(QStringLiteral("root"));
    db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + m_dir.path() +
                         QStringLiteral("/mysqld.sock"));
    if (!db.open())
        throw failure(QStringLiteral("cannot reach mariadbd: ") + db.lastError().text());
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE DATABASE ") + name +
                     QStringLiteral(" CHARACTER SET utf8mb4")))
        throw failure(create.lastError().text());
    db.close();
    db.setDatabaseName(name);
    if (!db.open())
        throw failure(db.lastError().text());
    return db;
}
