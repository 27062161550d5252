#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The columns of a table as the server writes them in its own create statement: one line
// per column that names everything "ALTER TABLE ... change <column> <column> <definition>"
// would set (type, character set and collation, nullability, default, visibility,
// compression, comment, check).
class ColumnDefinitions
{
public:
    // The table's column lines; none when the name is a view's. Throws VelmoError when the
    // server refuses (no such table, say).
    static ColumnDefinitions ofTable(const QSqlDatabase &db, const QString &table);

    // Whether giving the column that name and definition would leave it exactly as it is.
    // Only definitions of the form "<type> not null [default '<text>']" are understood; any
    // other, or a line written in another way, counts as a difference, so the change
    // statement still runs.
    bool isAsDefined(const QString &column, const QString &definition) const;

private:
    QStringList m_lines;
};
