#include "store/AccountTable.h"

#include <QSqlQuery>

#include "platform/SqlCommand.h"
#include "store/ColumnDefinitions.h"
#include "store/HostContext.h"

namespace {

const QString accountTable = QStringLiteral("it_TBL115BAC");

QSqlDatabase &connection()
{
    return mdlPublicVar::hostContext().CON();
}

} // namespace

void CreateAccountTable()
{
    execSql(connection(),
            QStringLiteral(
                "Create Table if Not Exists it_TBL115BAC(id double not null default 0 ,cCodeNo "
                "varchar(20) Not Null default '',AY varchar(10) Not Null default '',FullName "
                "varchar(60) Not Null default '',FirmName varchar(60) Not Null default "
                "'',MobileNo varchar(10) Not Null default '',Pin varchar(6) Not Null default "
                "'',sPassword  varchar(30) Not Null default '',sEmailId  varchar(100) Not Null "
                "default '',cPassword  varchar(30) Not Null default '',OptFirm Integer not null "
                "default 0,OptAgree Integer not null default 0,token text not null default "
                "'',token1 text not null default '',mac_address varchar(20) not null default "
                "'')"));
    // Re-applying a definition the column already has changes nothing, yet an ALTER TABLE
    // costs a table lock and a catalogue write on every opening of the window: only a
    // column that is missing or differs goes through EnsureColumn.
    const ColumnDefinitions columns = ColumnDefinitions::ofTable(connection(), accountTable);
    const auto ensure = [&columns](const QString &column, const QString &definition,
                                   const QVariant &defaultValue) {
        if (!columns.isAsDefined(column, definition))
            EnsureColumn(accountTable, column, definition, defaultValue, QString());
    };
    ensure(QStringLiteral("mac_address"), QStringLiteral("varchar(20) not null default ''"),
           QString());
    ensure(QStringLiteral("RememberMe"), QStringLiteral("tinyint(4) Not Null"), 0);
    ensure(QStringLiteral("SignInDate"), QStringLiteral("varchar(10) not null default ''"),
           QString());
    // On a table without an index the delete scans and locks every row, and usually finds
    // none to remove: a plain read of the same condition decides whether it must run.
    QSqlQuery withoutMobile = execSql(
        connection(), QStringLiteral("SELECT 1 FROM it_TBL115BAC WHERE MobileNo='' LIMIT 1"));
    if (withoutMobile.next())
        execSql(connection(), QStringLiteral("DELETE FROM it_TBL115BAC WHERE MobileNo=''"));
}

void EnsureColumn(const QString &table, const QString &column, const QString &definition,
                  const QVariant &defaultValue, const QString &valueKind)
{
    QSqlQuery described =
        execSql(connection(), QStringLiteral("describe ") + table + u' ' + column);
    if (!described.next()) {
        execSql(connection(), QStringLiteral("ALTER TABLE ") + table +
                                  QStringLiteral(" ADD COLUMN ") + column + u' ' + definition);
        const QString value = defaultValue.toString();
        if (value.isEmpty())
            return;
        if (valueKind == u"N")
            execSql(connection(), QStringLiteral("update ") + table + QStringLiteral(" set ") +
                                      column + u'=' + value);
        else
            execSql(connection(),
                    QStringLiteral("update ") + table + QStringLiteral(" set ") + column + QStringLiteral("=?"),
                    {value});
        return;
    }

    const QString wanted = NormaliseSpaces(definition).toUpper();
    const QVariant typeField = described.value(QStringLiteral("Type"));
    const QString actual = typeField.isNull() ? QString() : typeField.toString().toUpper();
    if (!wanted.contains(actual) || wanted.contains(u"NOT NULL"))
        execSql(connection(), QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" change  ") +
                                  column + u' ' + column + u' ' + definition);
}

QString NormaliseSpaces(const QString &text)
{
    QString result = text;
    while (result.contains(QStringLiteral("  ")))
        result.replace(QStringLiteral("  "), QStringLiteral(" "));
    return result;
}
