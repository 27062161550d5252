#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QtTest>

#include "MessageBoxWatcher.h"
#include "SignInSession.h"
#include "TestDatabase.h"
#include "TestService.h"
#include "controls/input/TextOrv.h"
#include "entry/mdlPublicVar.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"
#include "store/AccountTable.h"

using SignInSession::typeInto;

namespace
{

const QString machine = QStringLiteral("AA-BB-CC-DD-EE-04");
const QString password = QStringLiteral("Secret#2026");
const QString lostDatabase = QStringLiteral("The account database could not be used");

} // namespace

// The database going away under the window: a clear message, a window that still
// answers, and never a signed-in state built on half-written rows.
class tst_SignInDatabaseFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TestService> service;
    HostContext &host = mdlPublicVar::hostContext();
    QSqlDatabase hostConnection;

    // The server drops the host's connection, as when it stops or restarts.
    void dropHostConnection()
    {
        QSqlQuery id(hostConnection);
        QVERIFY(id.exec("select connection_id()") && id.next());
        db->exec("kill " + id.value(0).toString());
    }

    void expectLostDatabaseMessage(const MessageBoxWatcher &boxes)
    {
        QCOMPARE(boxes.single().icon, QMessageBox::Critical);
        QVERIFY2(boxes.single().text.startsWith(lostDatabase), qPrintable(boxes.single().text));
        QVERIFY(!host.IsSignedIn);
    }

private slots:
    void initTestCase()
    {
        qputenv("VELMO_MACHINE_ADDRESS", machine.toUtf8());
        service = std::make_unique<TestService>(QStringList{"--pbkdf2-iterations=1000"});
        QVERIFY(service->isRunning());
    }
    void cleanupTestCase() { service.reset(); }

    void init()
    {
        db = std::make_unique<TestDatabase>();
        hostConnection = db->secondConnection("host");
        QVERIFY(hostConnection.isOpen());
        host.setCON(hostConnection);
        host.IsSignedIn = true;
        CreateAccountTable();
    }
    void cleanup()
    {
        host.setCON(QSqlDatabase());
        hostConnection = QSqlDatabase();
        QSqlDatabase::removeDatabase("host");
        db.reset();
    }

    void serverGoneBeforeStartUp()
    {
        QSqlDatabase nowhere = db->closedConnection("nowhere");
        nowhere.setConnectOptions("UNIX_SOCKET=/nonexistent/mysqld.sock");
        host.setCON(nowhere);
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([](FrmSignUp &window) { window.close(); });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().icon, QMessageBox::Critical);
        QVERIFY2(boxes.single().text.startsWith("The account table could not be prepared"),
                 qPrintable(boxes.single().text));
        host.setCON(QSqlDatabase());
        nowhere = QSqlDatabase();
        QSqlDatabase::removeDatabase("nowhere");
    }

    void lostWhileTheNewAccountIsStored()
    {
        const QString mobile = QStringLiteral("9200000001");
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            SignUpPanel &form = *window.Frame1();
            typeInto(form.TxtName, "Asha");
            typeInto(form.TxtFirmName, "Rao");
            typeInto(form.TxtMobileNo, mobile);
            typeInto(form.TxtEmail, "asha@example.in");
            typeInto(form.TxtPassword, password);
            typeInto(form.TxtConfirmPassword, password);
            typeInto(form.txtPinCode, "560001");
            form.Opt1->setChecked(true);
            form.CmdSubmit->click();
            typeInto(window.Frame6()->txtOTP, service->latestOtp(mobile));
            dropHostConnection();
            window.Frame6()->Command4->click();
            QVERIFY(window.isVisible());
            QVERIFY(!window.Frame5()->isVisible());
            window.close();
        });
        QVERIFY(!signedIn);
        expectLostDatabaseMessage(boxes);
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC"), QVariant(0));
    }

    void lostWhileTheNewPasswordIsStored()
    {
        const QString mobile = QStringLiteral("9200000002");
        SignInSession::registerAccount(*service, db->connection(), mobile, password);
        db->exec(QStringLiteral("insert into it_TBL115BAC (id, MobileNo, sPassword, cPassword, "
                                "mac_address, RememberMe) values (1, '%1', '%2', '%2', '%3', 0)")
                     .arg(mobile, password, machine));
        const QString fresh = QStringLiteral("Fresh@Pass9");
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            window.Frame5()->CmdForgatPassord->click();
            typeInto(window.Frame7()->Text1, mobile);
            window.Frame7()->Command5->click();
            typeInto(window.Frame6()->txtOTP, service->latestOtp(mobile));
            window.Frame6()->Command4->click();
            typeInto(window.Frame8()->txtForPass, fresh);
            typeInto(window.Frame8()->txtForConPass, fresh);
            dropHostConnection();
            window.Frame8()->Command8->click();
            QVERIFY(window.isVisible());
            window.close();
        });
        QVERIFY(!signedIn);
        expectLostDatabaseMessage(boxes);
        QCOMPARE(db->scalar("select sPassword from it_TBL115BAC"), QVariant(password));
    }
};

QTEST_MAIN(tst_SignInDatabaseFaults)
#include "tst_SignInDatabaseFaults.moc"
