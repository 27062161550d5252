// The demo host: hands the library a connection string, has the account table
// created, opens the sign-in window and reports whether the user signed in.
//   velmo-host --connection "Server=;Database=;Uid=;Pwd=;Socket=" [--walkthrough DIR]
// With --walkthrough it runs a scripted session instead of waiting for a person and
// saves a screenshot of every step in DIR.
#include <QApplication>
#include <QSqlDatabase>
#include <QTextStream>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "Walkthrough.h"

namespace
{

QString argument(const QStringList &args, const QString &name)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    const QString connectionString = argument(args, QStringLiteral("--connection"));
    if (connectionString.isEmpty()) {
        err << "usage: velmo-host --connection \"Server=;Database=;Uid=;Pwd=;Socket=\" "
               "[--walkthrough SCREENSHOT-FOLDER]\n";
        return 2;
    }

    QSqlDatabase connection =
        QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("velmo-host"));
    try {
        clsVelmoITNet22SU api;
        api.clsAPI(0, QStringLiteral("DEMO"), QStringLiteral("2026"), connection, QString(),
                   connectionString, false, QString(), true, QStringLiteral("1.0.0"));
        api.Create_IT_Tbl115BAC();
        out << "online sign-in switched on: " << (api.EnableSignUP() ? "yes" : "no") << Qt::endl;
        if (args.contains(QStringLiteral("--walkthrough"))) {
            Walkthrough walkthrough(api, argument(args, QStringLiteral("--walkthrough")), out);
            const bool passed = walkthrough.run();
            out << (passed ? "walkthrough passed" : "walkthrough FAILED") << Qt::endl;
            return passed ? 0 : 1;
        }
        const bool signedIn = api.SignUp(QApplication::applicationDirPath());
        out << (signedIn ? "signed in" : "not signed in") << Qt::endl;
        return signedIn ? 0 : 1;
    } catch (const VelmoError &error) {
        err << "velmo-host: " << error.what() << '\n';
        return 1;
    }
}
