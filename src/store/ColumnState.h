#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// One column of a table as the server's catalogue describes it: every attribute that
// "ALTER TABLE ... change <column> <column> <definition>" would set.
struct ColumnState {
    QString name;
    // With its length, and unsigned, zerofill or compression when it has them.
    QString type;
    bool nullable = false;
    // As the catalogue writes it ("''", "0"); null when the column has no default.
    QVariant defaultValue;
    // Null for a column that holds no text.
    QVariant collation;
    // What a text column gets when its definition names no collation.
    QString tableCollation;
    QString comment;
    // Invisible, generated, on update, auto_increment, system versioning.
    QString extra;
    // A CHECK constraint bears the column's name.
    bool check = false;

    // Whether giving the column that name and definition would leave it exactly as it is.
    // Only definitions of the form "<type> not null [default '<text>']" are understood;
    // any other counts as a difference, so the change statement still runs.
    bool isAsDefined(const QString &column, const QString &definition) const;

    // The columns of the base table of that name in the connection's database; none when
    // there is no such base table. Throws VelmoError when the server refuses.
    static QList<ColumnState> ofTable(const QSqlDatabase &db, const QString &table);
};
