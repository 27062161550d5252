#pragma once

#include <QSqlDatabase>
#include <QString>

// The worker of clsAPI: fills the host context in the documented order.
// Throws VelmoError; fields set before the failing step keep their values.
void InitHostContext(const QString &clientCode, const QString &assessmentYear,
                     const QSqlDatabase &connection, const QString &connectionString, bool vAPI,
                     const QString &version);
