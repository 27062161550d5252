#include <QCheckBox>
#include <QDesktopServices>
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
#include "platform/Clock.h"
#include "platform/ConnectedState.h"
#include "service/AccountServiceCalls.h"
#include "service/DeploymentConfig.h"
#include "service/HttpTransport.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/PasswordRulesBox.h"
#include "signin/SignInTheme.h"
#include "signin/SignUpPanel.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"

namespace
{

const QString otherMachine = QStringLiteral("AA-BB-CC-DD-EE-99");
const QString number = QStringLiteral("9876543210");
const QString password = QStringLiteral("Secret#2026");

using SignInSession::typeInto;

using Gesture = std::function<void(FrmSignUp &)>;
using Reading = std::function<QString(FrmSignUp &)>;

// Stands in for the browser: records the web addresses the window opens.
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    LinkRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~LinkRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QStringList opened;

public slots:
    void open(const QUrl &url) { opened << url.toString(); }
};

QString pageOnSite(const QString &siteUrl, const QString &path)
{
    return QStringLiteral("https://") + QUrl(siteUrl).host() + path;
}

// The colour of an action button's face, away from its caption and focus frame.
QColor faceColour(QPushButton *button)
{
    return button->grab().toImage().pixelColor(8, button->height() / 2);
}

} // namespace

Q_DECLARE_METATYPE(Gesture)
Q_DECLARE_METATYPE(Reading)

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
        SignInSession::registerAccount(*service, number, password);
        registered = !QTest::currentTestFailed();
    }

    int rowCount() const { return db->scalar("select count(*) from it_TBL115BAC").toInt(); }

    LinkRecorder *m_links = nullptr;

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
        // Rows written on machines with other short date formats.
        QTest::newRow("30 days old, year first") << "2026-11-05" << true;
        QTest::newRow("31 days old, points and a two-digit year") << "04.11.26" << false;
        QTest::newRow("31 days old, month name") << "4 Nov 2026" << false;
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
                 QStringLiteral("05/12/26"));
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

    // The first remembered login of a row dates it; later ones keep that date, so the
    // 30 days count from the first.
    void rememberedLoginDatesOnlyTheFirstOne_data()
    {
        QTest::addColumn<int>("remember");
        QTest::addColumn<QString>("signInDate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("row not remembered before") << 0 << ""
                                                   << "05/12/26";
        QTest::newRow("row remembered ten days ago") << 1 << "25/11/26"
                                                     << "25/11/26";
        QTest::newRow("row remembered under another date format") << 1 << "2026-11-25"
                                                                  << "2026-11-25";
        QTest::newRow("row remembered without a date") << 1 << ""
                                                       << "05/12/26";
    }
    void rememberedLoginDatesOnlyTheFirstOne()
    {
        QFETCH(int, remember);
        QFETCH(QString, signInDate);
        QFETCH(QString, expected);
        ensureAccount();
        insertRow(number, machine(), "Old#pass1", remember, signInDate);
        const bool signedIn = signUp([&](FrmSignUp &window) {
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            window.Frame5()->chkRememberMe->setChecked(true);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
        });
        QVERIFY(signedIn);
        QCOMPARE(db->scalar("select RememberMe from it_TBL115BAC where MobileNo='" + number + "'"),
                 QVariant(1));
        QCOMPARE(db->scalar("select SignInDate from it_TBL115BAC where MobileNo='" + number + "'")
                     .toString(),
                 expected);
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
        // Longer than any test should last: a window that kept waiting would sign in.
        QVERIFY(service->setFault("delay:20"));
        MessageBoxWatcher boxes;
        bool droppedOnClose = false;
        const bool signedIn = signUp([&](FrmSignUp &window) {
            typeInto(window.Frame1()->TxtMobileNo, "");
            window.Frame1()->CmdSignIn->click();
            typeInto(window.Frame5()->TxtMobile1, number);
            typeInto(window.Frame5()->TxtPassword2, password);
            // Closes as soon as the login's request is out, from inside its wait.
            QTimer closer;
            connect(&closer, &QTimer::timeout, &window, [&] {
                const QPointer<HttpTransport> pending = window.findChild<HttpTransport *>();
                if (!pending)
                    return;
                closer.stop();
                window.close();
                droppedOnClose = pending.isNull();
            });
            closer.start(0);
            QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
        });
        QVERIFY(droppedOnClose);
        QVERIFY(!signedIn);
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(
            db->scalar("select Token from it_TBL115BAC where MobileNo='" + number + "'").toString(),
            QString());
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

    void windowDetails_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<QString>("expected");
        const Reading window = [](FrmSignUp &w) {
            return QString(w.isVisible() ? "open" : "closed");
        };
        const Reading links = [this](FrmSignUp &) { return m_links->opened.join(u' '); };
        const Reading agreed = [](FrmSignUp &w) {
            return QString(w.Frame1()->ChekAgreeOrNot->isChecked() ? "ticked" : "unticked");
        };
        const auto clickOn = [](const char *label, Qt::MouseButton button) {
            return Gesture([=](FrmSignUp &w) {
                QTest::mouseClick(w.Frame1()->findChild<QLabel *>(label), button);
            });
        };

        QTest::newRow("Esc keeps the window open")
            << Gesture([](FrmSignUp &w) { QTest::keyClick(&w, Qt::Key_Escape); }) << window
            << "open";
        QTest::newRow("left click on ' here'")
            << clickOn("Label27", Qt::LeftButton) << links
            << pageOnSite(DeploymentConfig::signUpHelpUrl(), "/portal/en/kb/articles/sign-up-help");
        QTest::newRow("left click on 'Terms & Conditions '")
            << clickOn("Label28", Qt::LeftButton) << links
            << pageOnSite(DeploymentConfig::termsUrl(), "/TandC_OrvSoftware.pdf");
        QTest::newRow("right click on ' here'")
            << clickOn("Label27", Qt::RightButton) << links << "";
        QTest::newRow("press on 'Terms & Conditions ', release beside it")
            << Gesture([](FrmSignUp &w) {
                   QLabel *terms = w.Frame1()->Label28;
                   QTest::mousePress(terms, Qt::LeftButton);
                   QTest::mouseRelease(terms, Qt::LeftButton, {}, QPoint(-4, -4));
               })
            << links << "";
        QTest::newRow("right click on 'I agree to the '")
            << clickOn("Label29", Qt::RightButton) << agreed << "ticked";
        QTest::newRow("start-up colours the action buttons")
            << Gesture([](FrmSignUp &) {})
            << Reading([](FrmSignUp &w) { return faceColour(w.Frame1()->CmdSubmit).name(); })
            << SignInTheme::actionButton.name();
        QTest::newRow("the code panel shows its own labels only")
            << Gesture([](FrmSignUp &) {}) << Reading([](FrmSignUp &w) {
                   QStringList texts;
                   for (const QLabel *shown : w.Frame6()->findChildren<QLabel *>())
                       if (shown->isVisibleTo(w.Frame6()) && !shown->text().isEmpty())
                           texts << shown->text();
                   texts.sort();
                   return texts.join(u'|');
               })
            << "An OTP (Valid for next 15 mins) has been sent to you on your Mobile Number|"
               "Verify your Mobile Number";
        QTest::newRow("moving over a gap of the new-password panel hides the rules")
            << Gesture([](FrmSignUp &w) {
                   NewPasswordPanel *panel = w.Frame8();
                   w.Frame1()->hide();
                   panel->show();
                   // Lays the panel out now, so the pointer goes where its controls will be.
                   QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                   QTest::mouseMove(panel->cmdForPasseye);
                   QVERIFY(panel->Frame10->isVisible());
                   auto *column = panel->findChild<QWidget *>("Frame8Content");
                   const QPoint gap(2, 2);
                   QCOMPARE(w.childAt(column->mapTo(&w, gap)), column);
                   QTest::mouseMove(column, gap);
               })
            << Reading([](FrmSignUp &w) {
                   return QString(w.Frame8()->Frame10->isVisible() ? "shown" : "hidden");
               })
            << "hidden";
    }
    void windowDetails()
    {
        QFETCH(Gesture, gesture);
        QFETCH(Reading, reading);
        QFETCH(QString, expected);
        LinkRecorder links;
        m_links = &links;
        signUp([&](FrmSignUp &window) {
            gesture(window);
            QCOMPARE(reading(window), expected);
            window.close();
        });
        m_links = nullptr;
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
            QVERIFY(faceColour(window.Frame1()->CmdSubmit) != SignInTheme::actionButton);
            window.close();
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().text, QStringLiteral("Internet is not connected..."));
        QCOMPARE(boxes.single().icon, QMessageBox::Information);
    }
};

QTEST_MAIN(tst_FrmSignUp)
#include "tst_FrmSignUp.moc"
