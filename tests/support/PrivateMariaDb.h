#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

// A mariadbd of its own, started with the test fixture script in a temporary directory
// (unix socket only) and stopped when the object goes: for a test that stops its
// server without disturbing the tests that share the fixture server, and for the
// benchmarks, which run without CTest.
class PrivateMariaDb
{
public:
    PrivateMariaDb();
    ~PrivateMariaDb();
    PrivateMariaDb(const PrivateMariaDb &) = delete;
    PrivateMariaDb &operator=(const PrivateMariaDb &) = delete;

    bool isRunning() const { return m_running; }
    bool stop();
    // Starts the stopped server again with the same data.
    bool resume();
    QString socket() const;

    // A new, empty database on this server; empty when it could not be made.
    QString createDatabase();
    // A connection under connectionName to database on the server at socket, opened
    // when it can be.
    static QSqlDatabase open(const QString &socket, const QString &database,
                             const QString &connectionName);

private:
    bool script(const char *command) const;

    QTemporaryDir m_dir;
    bool m_running = false;
};
