#pragma once

#include <QSqlDatabase>
#include <QString>

#include "PrivateMariaDb.h"

// The host's side of a sign-in benchmark: a private server whose account table holds
// `rows` rows spread over twenty machines, one row in two hundred belonging to this
// machine (its last one remembered and signed in today), handed to the library as the
// host's connection with this machine's address set.
class SeededAccountDatabase
{
public:
    static inline const QString thisMachine = QStringLiteral("0A-00-00-00-00-01");

    // Throws std::runtime_error when the server or a statement fails.
    explicit SeededAccountDatabase(int rows);
    ~SeededAccountDatabase();
    SeededAccountDatabase(const SeededAccountDatabase &) = delete;
    SeededAccountDatabase &operator=(const SeededAccountDatabase &) = delete;

    int rows() const { return m_rows; }
    // How many of them are this machine's.
    int rowsOfThisMachine() const;

private:
    void fill();

    PrivateMariaDb m_server;
    QSqlDatabase m_db;
    int m_rows;
};
