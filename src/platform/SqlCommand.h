#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// Runs one statement on the connection with its values bound in order and
// returns the positioned-before-first query. A statement the database refuses
// throws VelmoError carrying the database's message.
QSqlQuery execSql(const QSqlDatabase &db, const QString &statement,
                  const QVariantList &boundValues = {});
