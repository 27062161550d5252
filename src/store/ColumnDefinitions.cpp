#include "store/ColumnDefinitions.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

#include "platform/SqlCommand.h"

ColumnDefinitions ColumnDefinitions::ofTable(const QSqlDatabase &db, const QString &table)
{
    // One statement that opens only this table's definition; the catalogue tables cost
    // several times as much.
    QSqlQuery created = execSql(db, QStringLiteral("show create table ") + table);
    ColumnDefinitions columns;
    if (!created.next() || created.record().fieldName(1) != u"Create Table")
        return columns;
    // Quotes and line breaks inside a default or comment are escaped, so each column is
    // one line: two blanks, the quoted name, the attributes, a comma unless it is last.
    for (QString line : created.value(1).toString().split(u'\n')) {
        if (!line.startsWith(QStringLiteral("  `")))
            continue;
        if (line.endsWith(u','))
            line.chop(1);
        columns.m_lines << line.mid(2);
    }
    return columns;
}

bool ColumnDefinitions::isAsDefined(const QString &column, const QString &definition) const
{
    static const QRegularExpression understood(
        QStringLiteral("^\\s*(\\S+)\\s+not\\s+null(?:\\s+default\\s+('[^'\\\\]*'))?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch parts = understood.match(definition);
    if (!parts.hasMatch())
        return false;
    // How the server writes the column after the change statement: no character set or
    // collation of its own (it takes the table's), nothing beyond the definition.
    QString asChanged = u'`' + column + QStringLiteral("` ") + parts.captured(1).toLower() +
                        QStringLiteral(" NOT NULL");
    if (parts.hasCaptured(2))
        asChanged += QStringLiteral(" DEFAULT ") + parts.captured(2);
    return m_lines.contains(asChanged);
}
