// Renders the five screens of the sign-in window to PNG files, as a user reaches them
// by the window's own buttons, for the README. Needs the account table's database:
//   velmo-screens --connection "..." --out DIR
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTextStream>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "controls/input/TextOrv.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"

namespace {

QString argument(const QStringList &args, const QString &name)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

void save(FrmSignUp &window, const QString &folder, const QString &name)
{
    QApplication::processEvents();
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// Shows one panel alone; the one-time-password and new-password screens are only
// reached through the service, so the picture tool shows them directly.
void showOnly(FrmSignUp &window, QWidget *panel)
{
    for (QWidget *each : {static_cast<QWidget *>(window.Frame1()), static_cast<QWidget *>(window.Frame5()),
                          static_cast<QWidget *>(window.Frame6()), static_cast<QWidget *>(window.Frame7()),
                          static_cast<QWidget *>(window.Frame8())})
        each->setVisible(each == panel);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString folder = argument(args, QStringLiteral("--out"));
    QDir().mkpath(folder);

    QSqlDatabase connection =
        QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("velmo-screens"));
    clsVelmoITNet22SU api;
    api.clsAPI(0, QString(), QString(), connection, QString(),
               argument(args, QStringLiteral("--connection")), false, QString(), true, "1.0.0");

    QTimer::singleShot(200, [folder] {
        auto *window = qobject_cast<FrmSignUp *>(QApplication::activeModalWidget());
        if (!window)
            return;
        showOnly(*window, window->Frame1());
        window->Frame1()->TxtName->letText(QStringLiteral("Asha Verma"));
        save(*window, folder, QStringLiteral("signup"));
        window->Frame1()->CmdSignIn->click();
        window->Frame5()->TxtMobile1->letText(QStringLiteral("9876543210"));
        save(*window, folder, QStringLiteral("login"));
        window->Frame5()->CmdForgatPassord->click();
        save(*window, folder, QStringLiteral("forgot-password"));
        showOnly(*window, window->Frame6());
        window->Frame6()->LblMobileNp->setText(QStringLiteral("(+91 9876543210)"));
        window->Frame6()->Command3->setText(QStringLiteral("Resend OTP 117 sec"));
        window->Frame6()->Command3->setEnabled(false);
        save(*window, folder, QStringLiteral("one-time-password"));
        showOnly(*window, window->Frame8());
        save(*window, folder, QStringLiteral("new-password"));
        window->close();
    });
    api.SignUp(QString(), QStringLiteral("Velmo IT"));
    QTextStream(stdout) << "screens written to " << folder << Qt::endl;
    return 0;
}
