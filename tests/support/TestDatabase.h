#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

// A fresh database on the private test server, dropped again when the object goes.
// The server's socket comes from VELMO_TEST_MARIADB_SOCKET (set by CTest).
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    QString name() const { return m_name; }
    // An open connection to this database, private to the test.
    QSqlDatabase connection() const;
    // A second handle on the same database, not yet opened.
    QSqlDatabase closedConnection(const QString &connectionName) const;
    // A second connection to this database, opened, with its own server thread; what
    // a host hands over when a test means to have the server drop it.
    QSqlDatabase secondConnection(const QString &connectionName) const;
    // The ODBC-style text that opens this database.
    QString connectionString() const;

    // Runs a statement and fails the test when the server refuses it.
    void exec(const QString &statement) const;
    // The first column of every row the query returns.
    QVariantList column(const QString &query) const;
    QVariant scalar(const QString &query) const;
    // Every row the query returns, its fields joined by '|', NULL written as NULL.
    QStringList rows(const QString &query) const;

    static QString socketPath();

private:
    QSqlQuery run(const QString &statement) const;

    QString m_name;
    QString m_connectionName;
};
