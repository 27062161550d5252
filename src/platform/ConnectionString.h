#pragma once

#include <QSqlDatabase>
#include <QString>

// Gives a connection handle the settings of an ODBC-style connection string
// ("Server=;Port=;Database=;Uid=;Pwd=;Socket="), in place of all it had: a setting the
// string leaves out is cleared. Keys are matched without regard to case; unknown keys and
// pieces without "=" are ignored.
void applyConnectionString(QSqlDatabase &db, const QString &connectionString);
