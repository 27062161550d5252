#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A private mariadbd for one benchmark run, started with the test fixture script in a
// temporary directory (unix socket only) and stopped when the object goes.
class PrivateMariaDb
{
public:
    // Throws std::runtime_error when the server does not come up.
    PrivateMariaDb();
    ~PrivateMariaDb();
    PrivateMariaDb(const PrivateMariaDb &) = delete;
    PrivateMariaDb &operator=(const PrivateMariaDb &) = delete;

    // An open connection to a new, empty database of that name on the server.
    QSqlDatabase createDatabase(const QString &name);

private:
    bool runFixture(const QString &command);

    QTemporaryDir m_dir;
    QString m_connectionName;
};
