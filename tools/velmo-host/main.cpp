// The demo host: hands the library a connection string, has the account table
// created and prints its columns.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--connection"));
    if (at < 0 || at + 1 >= args.size()) {
        err << "usage: velmo-host --connection \"Server=;Database=;Uid=;Pwd=;Socket=\"\n";
        return 2;
    }

    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"),
                                                        QStringLiteral("velmo-host"));
    try {
        clsVelmoITNet22SU api;
        api.clsAPI(0, QStringLiteral("DEMO"), QStringLiteral("2026"), connection, QString(),
                   args.at(at + 1), false, QString(), true, QStringLiteral("1.0.0"));
        api.Create_IT_Tbl115BAC();
        QSqlQuery columns(connection);
        columns.exec(QStringLiteral("describe it_TBL115BAC"));
        out << "it_TBL115BAC columns:\n";
        while (columns.next())
            out << "  " << columns.value(0).toString() << "  " << columns.value(1).toString()
                << '\n';
    } catch (const VelmoError &error) {
        err << "velmo-host: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
