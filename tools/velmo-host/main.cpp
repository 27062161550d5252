// The demo host: hands the library a connection string, has the account table
// created, opens the sign-in window and reports whether the user signed in.
#include <QApplication>
#include <QSqlDatabase>
#include <QTextStream>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--connection"));
    if (at < 0 || at + 1 >= args.size()) {
        err << "usage: velmo-host --connection \"Server=;Database=;Uid=;Pwd=;Socket=\"\n";
        return 2;
    }

    QSqlDatabase connection =
        QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("velmo-host"));
    try {
        clsVelmoITNet22SU api;
        api.clsAPI(0, QStringLiteral("DEMO"), QStringLiteral("2026"), connection, QString(),
                   args.at(at + 1), false, QString(), true, QStringLiteral("1.0.0"));
        api.Create_IT_Tbl115BAC();
        out << "online sign-in switched on: " << (api.EnableSignUP() ? "yes" : "no") << Qt::endl;
        const bool signedIn = api.SignUp(QApplication::applicationDirPath());
        out << (signedIn ? "signed in" : "not signed in") << Qt::endl;
        return signedIn ? 0 : 1;
    } catch (const VelmoError &error) {
        err << "velmo-host: " << error.what() << '\n';
        return 1;
    }
}
