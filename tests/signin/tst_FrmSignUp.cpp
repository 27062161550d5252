#include <QCheckBox>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "MessageBoxWatcher.h"
#include "SignInSession.h"
#include "SignInTestCase.h"
#include "controls/input/TextOrv.h"
#include "entry/mdlPublicVar.h"
#include "platform/Clock.h"
#include "platform/ConnectedState.h"
#include "platform/Twips.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/SignUpPanel.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/SignInValues.h"

namespace
{

const QString otherMachine = QStringLiteral("AA-BB-CC-DD-EE-99");
const QString number = QStringLiteral("9876543210");
const QString password = QStringLiteral("Secret#2026");

using SignInSession::typeInto;

} // namespace

class tst_FrmSignUp : public SignInTestCase
{
    Q_OBJECT

public:
    tst_FrmSignUp() : SignInTestCase(QStringLiteral("AA-BB-CC-DD-EE-01")) {}

private:
    bool signUp(const std::function<void(FrmSignUp &)> &script)
    {
        return SignInSession::open(script);
    }

    // Registers the test account with the service once, the way the window's sign-up does.
    void ensureAccount()
    {
        static bool registered = false;
        if (registered)
            return;
        SignInSession::registerAccount(*service, db->connection(), number, password);
        registered = !QTest::currentTestFailed();
    }

    int rowCount() const { return db->scalar("select count(*) from it_TBL115BAC").toInt(); }

private slots:
    void init()
    {
        SignInTestCase::init();
        Clock::setFixedNow(QDateTime(QDate(2026, 12, 5), QTime(10, 0)));
    }
    void cleanup()
    {
        Clock::clearFixedNow();
        SignInTestCase::cleanup();
    }

    void firstPanelFollowsTheTable_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("loginShown");
        QTest::newRow("no rows") << ""
                                 << "Sign Up" << false;
        QTest::newRow("rows of another machine only") << "other"
                                                      << "Sign Up" << false;
        QTest::newRow("rows, none remembered") << "plain"
                                               << "Sign In" << true;
    }
    void firstPanelFollowsTheTable()
    {
        QFETCH(QString, rows);
        QFETCH(QString, caption);
        QFETCH(bool, loginShown);
        if (rows == "other")
            insertRow(number, otherMachine, password, 1, "");
        if (rows == "plain")
            insertRow(number, machine(), password, 0, "");
        signUp([&](FrmSignUp &window) {
            QCOMPARE(window.windowTitle(), caption);
            QCOMPARE(window.Frame5()->isVisible(), loginShown);
            QCOMPARE(window.Frame1()->isVisible(), !loginShown);
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), QString());
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), QString());
            QCOMPARE(window.Frame5()->Label15->text(), QStringLiteral("Welcome to Velmo IT Test"));
            window.close();
        });
    }

    void rememberedAccountFollowsThirtyDayRule_data()
    {
        QTest::addColumn<QString>("signInDate");
        QTest::addColumn<bool>("filled");
        QTest::newRow("30 days old") << "05/11/2026" << true;
        QTest::newRow("today") << "05/12/2026" << true;
        QTest::newRow("31 days old") << "04/11/2026" << false;
        QTest::newRow("empty date") << "" << true;
        QTest::newRow("not a date") << "someday" << true;
    }
    void rememberedAccountFollowsThirtyDayRule()
    {
        QFETCH(QString, signInDate);
        QFETCH(bool, filled);
        insertRow(number, machine(), password, 1, signInDate);
        signUp([&](FrmSignUp &window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), filled ? number : QString());
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), filled ? password : QString());
            QCOMPARE(window.Frame5()->TxtPassword2->PasswordChar(), QStringLiteral("*"));
            QCOMPARE(window.Frame5()->chkRememberMe->isChecked(), filled);
            // The sign-up boxes keep the remembered values either way.
            QCOMPARE(window.Frame1()->TxtMobileNo->Text(), number);
            QCOMPARE(window.Frame1()->TxtPassword->Text(), password);
            window.close();
        });
        QCOMPARE(rowCount(), filled ? 1 : 0);
    }

    void shortNumberIsRefusedWithoutAnyChange()
    {
        insertRow("9123456780", machine(), password, 0, "");
        MessageBoxWatcher boxes;
        signUp([&](FrmSignUp &window) {
            typeInto(window.Frame5()->TxtMobile1, "987654321");
            typeInto(window.Frame5()->TxtPassword2, password);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
            QVERIFY(window.isVisible());
            window.close();
        });
        QCOMPARE(boxes.single().text, QStringLiteral("Please enter correct Mobile No."));
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QCOMPARE(boxes.single().title, QStringLiteral("Velmo IT Test"));
        QCOMPARE(rowCount(), 1);
        QVERIFY(!host.IsSignedIn);
    }

    void rememberedLoginSignsInAndIsOfferedNextTime()
    {
        ensureAccount();
        insertRow("9123456780", machine(), password, 1, "01/12/2026");
        MessageBoxWatcher boxes;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            window.Frame5()->chkRememberMe->setChecked(true);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
        });
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY(signedIn);
        QCOMPARE(db->column("select RememberMe from it_TBL115BAC where MobileNo='" + number + "'"),
                 QVariantList({1}));
        QCOMPARE(db->scalar("select SignInDate from it_TBL115BAC where MobileNo='" + number + "'")
                     .toString(),
                 QStringLiteral("05/12/2026"));
        QVERIFY(!db->scalar("select token from it_TBL115BAC where MobileNo='" + number + "'")
                     .toString()
                     .isEmpty());
        // The other number of this machine is no longer remembered.
        QCOMPARE(db->scalar("select RememberMe from it_TBL115BAC where MobileNo='9123456780'"),
                 QVariant(0));

        // Next start fills the login; closing it without a login keeps the flag.
        const bool again = signUp([&](FrmSignUp &window) {
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), number);
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), password);
            window.close();
        });
        QVERIFY(again);
    }

    void refusedLoginShowsTheServiceMessageAndKeepsTheWindow()
    {
        ensureAccount();
        MessageBoxWatcher boxes;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            typeInto(window.Frame1()->TxtMobileNo, "");
            window.Frame1()->CmdSignIn->click();
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, "Wrong#Pass1");
            window.Frame5()->chkRememberMe->setChecked(true);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
            QVERIFY(window.isVisible());
            QVERIFY(window.Frame5()->isVisible());
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), QStringLiteral("Wrong#Pass1"));
            window.close();
        });
        QVERIFY(!signedIn);
        const MessageBoxWatcher::Message message = boxes.single();
        QCOMPARE(message.icon, QMessageBox::Warning);
        QVERIFY2(!message.text.isEmpty() && !message.text.contains('{'), qPrintable(message.text));
        QCOMPARE(db->scalar("select sPassword from it_TBL115BAC where MobileNo='" + number + "'")
                     .toString(),
                 QStringLiteral("Wrong#Pass1"));
    }

    void closingWhileTheLoginWaitsDoesNotSignIn()
    {
        ensureAccount();
        QVERIFY(service->setFault("delay:20"));
        MessageBoxWatcher boxes;
        QElapsedTimer elapsed;
        elapsed.start();
        const bool signedIn = signUp([&](FrmSignUp &window) {
            typeInto(window.Frame1()->TxtMobileNo, "");
            window.Frame1()->CmdSignIn->click();
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            QTimer::singleShot(300, &window, [&window] { window.close(); });
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
        });
        QVERIFY(!signedIn);
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY2(elapsed.elapsed() < 15000, "the window waited for the reply after it closed");
    }

    void twoQuickClicksOnLoginSignInOnce()
    {
        ensureAccount();
        QVERIFY(service->setFault("delay:1"));
        MessageBoxWatcher boxes;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            window.Frame1()->CmdSignIn->click();
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            QTimer::singleShot(100, window.Frame5()->CmdLogin, [&window] {
                QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
            });
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
        });
        QVERIFY(signedIn);
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(rowCount(), 1);
    }

    void lostDatabaseGivesAMessageAndNoSignIn()
    {
        QSqlDatabase hostConnection = db->secondConnection("host-lost");
        QVERIFY(hostConnection.isOpen());
        host.setCON(hostConnection);
        insertRow("9123456780", machine(), password, 0, "");
        MessageBoxWatcher boxes;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            QSqlQuery id(hostConnection);
            QVERIFY(id.exec("select connection_id()") && id.next());
            db->exec("kill " + id.value(0).toString());
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
            QVERIFY(window.isVisible());
            window.close();
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().icon, QMessageBox::Critical);
        QVERIFY2(boxes.single().text.startsWith("The account database could not be used"),
                 qPrintable(boxes.single().text));
        host.setCON(QSqlDatabase());
        hostConnection = QSqlDatabase();
        QSqlDatabase::removeDatabase("host-lost");
    }

    void transitionsMoveBetweenPanels()
    {
        insertRow(number, machine(), password, 0, "");
        signUp([&](FrmSignUp &window) {
            const auto pixels = [&window](int twips) { return Twips::toPixels(twips, window); };
            QCOMPARE(window.width(), pixels(15000));
            window.Frame5()->Command2->click();
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign Up"));
            QVERIFY(window.Frame1()->isVisible() && !window.Frame5()->isVisible());
            window.Frame1()->CmdSignIn->click();
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
            QVERIFY(!window.Frame1()->isVisible() && window.Frame5()->isVisible());
            window.Frame5()->CmdForgatPassord->click();
            QCOMPARE(window.windowTitle(), QStringLiteral("Forgot Password"));
            QVERIFY(window.Frame7()->isVisible() && !window.Frame5()->isVisible());
            QCOMPARE(window.width(), pixels(11500));
            QCOMPARE(window.focusWidget(), window.Frame7()->Text1->Text1());
            window.Frame7()->Command6->click();
            QCOMPARE(window.windowTitle(), QStringLiteral("Sign In"));
            QVERIFY(window.Frame5()->isVisible() && !window.Frame7()->isVisible());
            QCOMPARE(window.width(), pixels(15000));
            window.close();
        });
    }

    void numberBoxesTakeDigitsOnly()
    {
        signUp([&](FrmSignUp &window) {
            for (TextOrv *box : {window.Frame1()->TxtMobileNo, window.Frame1()->txtPinCode,
                                 window.Frame5()->TxtMobile1, window.Frame7()->Text1}) {
                box->Text1()->setFocus();
                QTest::keyClicks(box->Text1(), "12ab-3 4");
                QCOMPARE(box->Text(), QStringLiteral("1234"));
                QTest::keyClick(box->Text1(), Qt::Key_Backspace);
                QCOMPARE(box->Text(), QStringLiteral("123"));
            }
            window.close();
        });
    }

    void eyeButtonTogglesMasking()
    {
        signUp([&](FrmSignUp &window) {
            TextOrv *input = window.Frame1()->TxtPassword;
            typeInto(input, password);
            window.Frame1()->CmdEye->click();
            QCOMPARE(input->PasswordChar(), QString());
            QCOMPARE(input->Text1()->echoMode(), QLineEdit::Normal);
            window.Frame1()->CmdEye->click();
            QCOMPARE(input->PasswordChar(), QStringLiteral("*"));
            QCOMPARE(input->Text(), password);
            window.close();
        });
    }

    void agreeLabelTogglesTheBox()
    {
        signUp([&](FrmSignUp &window) {
            QCheckBox *agree = window.Frame1()->ChekAgreeOrNot;
            QVERIFY(agree->isChecked());
            QTest::mouseClick(window.Frame1()->Label29, Qt::LeftButton);
            QVERIFY(!agree->isChecked());
            QTest::mouseClick(window.Frame1()->Label29, Qt::LeftButton);
            QVERIFY(agree->isChecked());
            window.close();
        });
    }

    void offlineStartShowsSignUpPanel()
    {
        if (qEnvironmentVariableIsEmpty("VELMO_EXPECT_OFFLINE"))
            QSKIP("runs as tst_FrmSignUp.offline, inside a namespace without a network");
        QVERIFY(!IsInternetConnected());
        insertRow(number, machine(), password, 1, "");
        host.IsSignedIn = true;
        MessageBoxWatcher boxes;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            QVERIFY(window.Frame1()->isVisible());
            QVERIFY(!window.Frame5()->isVisible());
            QCOMPARE(window.Frame5()->Label15->text(), QStringLiteral("Welcome to Velmo IT"));
            QCOMPARE(window.Frame1()->findChild<QLabel *>("Label26")->text(), QString());
            window.close();
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().text, QStringLiteral("Internet is not connected..."));
        QCOMPARE(boxes.single().icon, QMessageBox::Information);
    }
};

QTEST_MAIN(tst_FrmSignUp)
#include "tst_FrmSignUp.moc"
