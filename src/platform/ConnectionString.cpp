#include "platform/ConnectionString.h"

#include <QStringList>

void applyConnectionString(QSqlDatabase &db, const QString &connectionString)
{
    db.setHostName(QString());
    db.setPort(-1);
    db.setDatabaseName(QString());
    db.setUserName(QString());
    db.setPassword(QString());
    QStringList connectOptions;
    const QStringList pieces = connectionString.split(u';', Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        const qsizetype equals = piece.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = piece.left(equals).trimmed().toLower();
        const QString value = piece.mid(equals + 1).trimmed();
        if (key == u"server" || key == u"host")
            db.setHostName(value);
        else if (key == u"port")
            db.setPort(value.toInt());
        else if (key == u"database")
            db.setDatabaseName(value);
        else if (key == u"uid" || key == u"user")
            db.setUserName(value);
        else if (key == u"pwd" || key == u"password")
            db.setPassword(value);
        else if (key == u"socket")
            connectOptions << QStringLiteral("UNIX_SOCKET=") + value;
    }
    db.setConnectOptions(connectOptions.join(u';'));
}
