#pragma once

#include <QSqlDatabase>
#include <QString>

// Applies an ODBC-style connection string ("Server=;Port=;Database=;Uid=;Pwd=;Socket=")
// to a connection handle. Keys are matched without regard to case; unknown keys and
// pieces without "=" are ignored.
void applyConnectionString(QSqlDatabase &db, const QString &connectionString);
