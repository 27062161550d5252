#include <QSqlQuery>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "SignInTestCase.h"

using SignInSession::typeInto;

namespace
{

const QString lostDatabase = QStringLiteral("The account database could not be used");

// The message of the error call throws to its caller; empty when it throws none.
QString errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VelmoError &error) {
        return error.message();
    }
    return {};
}

} // namespace

// The database going away under the window: a clear message, a window that still
// answers, and never a signed-in state built on half-written rows.
class tst_SignInDatabaseFaults : public SignInTestCase
{
    Q_OBJECT

private:
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
    void init()
    {
        SignInTestCase::init();
        hostConnection = db->secondConnection("host");
        QVERIFY(hostConnection.isOpen());
        host.setCON(hostConnection);
        host.IsSignedIn = true;
    }
    void cleanup()
    {
        host.setCON(QSqlDatabase());
        hostConnection = QSqlDatabase();
        QSqlDatabase::removeDatabase("host");
        SignInTestCase::cleanup();
    }

    // SignUp traps nothing: the table's failure at start-up is the host's to handle.
    void tableFailureAtStartUpReachesTheHost()
    {
        // A view in the table's place cannot be given the missing columns.
        db->exec("drop table it_TBL115BAC");
        db->exec("create view it_TBL115BAC as select 1 as id");
        clsVelmoITNet22SU api;
        const QString tableError = errorOf([&] { api.Create_IT_Tbl115BAC(); });
        QVERIFY(!tableError.isEmpty());
        MessageBoxWatcher boxes;
        QCOMPARE(errorOf([&] { api.SignUp(); }), tableError);
        QVERIFY(boxes.messages().isEmpty());
    }

    void lostAtTheLogin()
    {
        insertRow(QStringLiteral("9123456780"), machine(), password);
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            dropHostConnection();
            SignInSession::logIn(window, QStringLiteral("9876543210"), password);
            QVERIFY(window.isVisible());
        });
        QVERIFY(!signedIn);
        expectLostDatabaseMessage(boxes);
    }

    void lostWhileTheNewAccountIsStored()
    {
        const QString mobile = QStringLiteral("9200000001");
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            SignInSession::submitSignUp(window, mobile, password);
            dropHostConnection();
            SignInSession::verifyCode(window, *service, mobile);
            QVERIFY(window.isVisible());
            QVERIFY(!window.Frame5()->isVisible());
        });
        QVERIFY(!signedIn);
        expectLostDatabaseMessage(boxes);
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC"), QVariant(0));
    }

    void lostWhileTheNewPasswordIsStored()
    {
        const QString mobile = QStringLiteral("9200000002");
        SignInSession::registerAccount(*service, mobile, password);
        insertRow(mobile, machine(), password);
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            SignInSession::sendResetCode(window, mobile);
            SignInSession::verifyCode(window, *service, mobile);
            typeInto(window.Frame8()->txtForPass, newPassword);
            typeInto(window.Frame8()->txtForConPass, newPassword);
            dropHostConnection();
            window.Frame8()->Command8->click();
            // The service already has the new password: the window is back on the login
            // panel, and the lost local copy is reported there.
            QVERIFY(window.isVisible());
            QVERIFY(window.Frame5()->isVisible());
            QVERIFY(!window.Frame8()->isVisible());
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
        });
        QVERIFY(!signedIn);
        expectLostDatabaseMessage(boxes);
        QCOMPARE(db->scalar("select sPassword from it_TBL115BAC"), QVariant(password));
    }
};

QTEST_MAIN(tst_SignInDatabaseFaults)
#include "tst_SignInDatabaseFaults.moc"
