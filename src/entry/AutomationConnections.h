#pragma once

#include <QSqlDatabase>
#include <QString>

// The connections handed to clsAPI by hosts that can only pass a connection string.
namespace AutomationConnections
{
// One connection per distinct connection string, made unopened with the string
// applied, and kept for the life of the process the way a host keeps its own.
QSqlDatabase connectionFor(const QString &connectionString);
} // namespace AutomationConnections
