#include "store/ColumnState.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include "platform/SqlCommand.h"

bool ColumnState::isAsDefined(const QString &column, const QString &definition) const
{
    static const QRegularExpression understood(
        QStringLiteral("^\\s*(\\S+)\\s+not\\s+null(?:\\s+default\\s+('[^'\\\\]*'))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch parts = understood.match(definition);
    if (!parts.hasMatch())
        return false;
    const QString wantedDefault = parts.captured(2);
    const bool defaultAsDefined =
        wantedDefault.isEmpty()
            ? defaultValue.isNull()
            : !defaultValue.isNull() && defaultValue.toString() == wantedDefault;
    // A change statement that names no collation gives a text column the table's.
    const bool collationAsDefined = collation.isNull() || collation.toString() == tableCollation;
    return name == column && type == parts.captured(1).toLower() && !nullable && defaultAsDefined &&
           collationAsDefined && comment.isEmpty() && extra.isEmpty() && !check;
}

QList<ColumnState> ColumnState::ofTable(const QSqlDatabase &db, const QString &table)
{
    // Each catalogue table gets its own constant schema and name: the server then opens
    // this one table instead of scanning every database.
    QSqlQuery columns = execSql(
        db,
        QStringLiteral("select c.COLUMN_NAME, c.COLUMN_TYPE, c.IS_NULLABLE, c.COLUMN_DEFAULT, "
                       "c.COLLATION_NAME, t.TABLE_COLLATION, c.COLUMN_COMMENT, c.EXTRA "
                       "from information_schema.COLUMNS c join information_schema.TABLES t "
                       "on t.TABLE_SCHEMA=database() and t.TABLE_NAME=? "
                       "and t.TABLE_TYPE='BASE TABLE' "
                       "where c.TABLE_SCHEMA=database() and c.TABLE_NAME=?"),
        {table, table});
    QList<ColumnState> states;
    while (columns.next())
        states.append({columns.value(0).toString(), columns.value(1).toString(),
                       columns.value(2).toString() == u"YES", columns.value(3), columns.value(4),
                       columns.value(5).toString(), columns.value(6).toString(),
                       columns.value(7).toString()});
    if (states.isEmpty())
        return states;

    // A check written on a column is dropped by a change statement; it carries the
    // column's name (a table check of the same name merely counts as a difference).
    QSqlQuery checks = execSql(db,
                               QStringLiteral("select CONSTRAINT_NAME from "
                                              "information_schema.TABLE_CONSTRAINTS where "
                                              "CONSTRAINT_SCHEMA=database() and TABLE_NAME=? "
                                              "and CONSTRAINT_TYPE='CHECK'"),
                               {table});
    while (checks.next()) {
        const QString checkName = checks.value(0).toString();
        for (ColumnState &state : states)
            state.check = state.check || state.name.compare(checkName, Qt::CaseInsensitive) == 0;
    }
    return states;
}
