#include <QDesktopServices>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "SignInTestCase.h"
#include "platform/Clock.h"
#include "platform/ConnectedState.h"
#include "service/DeploymentConfig.h"
#include "service/HttpTransport.h"
#include "signin/PasswordRulesBox.h"
#include "signin/SignInTheme.h"

namespace
{

const QString otherMachine = QStringLiteral("AA-BB-CC-DD-EE-99");
const QString number = QStringLiteral("9876543210");
// A second number of this machine.
const QString other = QStringLiteral("9123456780");

using SignInSession::open;
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

private:
    int rowCount() const { return db->scalar("select count(*) from it_TBL115BAC").toInt(); }

    LinkRecorder m_links;

private slots:
    void initTestCase()
    {
        SignInTestCase::initTestCase();
        // The offline run needs no account, and could not reach the service for one.
        if (qEnvironmentVariableIsEmpty("VELMO_EXPECT_OFFLINE"))
            SignInSession::registerAccount(*service, number, password);
    }
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

    // Which panel opens, and what the login offers, follows the account rows; a
    // remembered row older than 30 days is dropped.
    void startUpFollowsTheRows_data()
    {
        QTest::addColumn<QString>("address"); // the stored row's machine; no row when empty
        QTest::addColumn<int>("remember");
        QTest::addColumn<QString>("signInDate");
        QTest::addColumn<bool>("onLogin");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("rowsAfter");
        const QString here = machine();
        QTest::newRow("no rows") << "" << 0 << "" << false << false << 0;
        QTest::newRow("remembered row of another machine only")
            << otherMachine << 1 << "" << false << false << 1;
        QTest::newRow("row, not remembered") << here << 0 << "" << true << false << 1;
        QTest::newRow("30 days old") << here << 1 << "05/11/2026" << true << true << 1;
        QTest::newRow("today, as the login writes it")
            << here << 1 << "05/12/26" << true << true << 1;
        QTest::newRow("31 days old") << here << 1 << "04/11/2026" << true << false << 0;
        // Rows written on machines with other short date formats.
        QTest::newRow("30 days old, year first") << here << 1 << "2026-11-05" << true << true << 1;
        QTest::newRow("31 days old, points and a two-digit year")
            << here << 1 << "04.11.26" << true << false << 0;
        QTest::newRow("31 days old, month name") << here << 1 << "4 Nov 2026" << true << false << 0;
        QTest::newRow("empty date") << here << 1 << "" << true << true << 1;
        QTest::newRow("not a date") << here << 1 << "someday" << true << true << 1;
    }
    void startUpFollowsTheRows()
    {
        QFETCH(QString, address);
        QFETCH(int, remember);
        QFETCH(QString, signInDate);
        QFETCH(bool, onLogin);
        QFETCH(bool, filled);
        QFETCH(int, rowsAfter);
        if (!address.isEmpty())
            insertRow(number, address, password, remember, signInDate);
        // The sign-up boxes keep a remembered row of this machine even when it is too old.
        const bool rememberedHere = address == machine() && remember == 1;
        open([&](FrmSignUp &window) {
            QCOMPARE(window.windowTitle(), onLogin ? "Sign In" : "Sign Up");
            QCOMPARE(window.Frame5()->isVisible(), onLogin);
            QCOMPARE(window.Frame1()->isVisible(), !onLogin);
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), filled ? number : QString());
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), filled ? password : QString());
            QCOMPARE(window.Frame5()->TxtPassword2->PasswordChar(), QStringLiteral("*"));
            QCOMPARE(window.Frame5()->chkRememberMe->isChecked(), filled);
            QCOMPARE(window.Frame1()->TxtMobileNo->Text(), rememberedHere ? number : QString());
            QCOMPARE(window.Frame1()->TxtPassword->Text(), rememberedHere ? password : QString());
            QCOMPARE(window.Frame5()->Label15->text(), QStringLiteral("Welcome to Velmo IT Test"));
            QCOMPARE(faceColour(window.Frame1()->CmdSubmit), SignInTheme::actionButton);
        });
        QCOMPARE(rowCount(), rowsAfter);
    }

    void shortNumberIsRefusedWithoutAnyChange()
    {
        insertRow(other, machine(), password, 0, "");
        MessageBoxWatcher boxes;
        open([&](FrmSignUp &window) {
            SignInSession::logIn(window, "987654321", password);
            QVERIFY(window.isVisible());
        });
        QCOMPARE(boxes.single().text, QStringLiteral("Please enter correct Mobile No."));
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QCOMPARE(boxes.single().title, QStringLiteral("Velmo IT Test"));
        QCOMPARE(rowCount(), 1);
        QVERIFY(!host.IsSignedIn);
    }

    // A remembered login stores the token, leaves the machine's other number no longer
    // remembered and is offered at the next start. The first remembered login of a row
    // dates it; later ones keep that date, so the 30 days count from the first.
    void rememberedLoginIsOfferedNextTime_data()
    {
        QTest::addColumn<int>("remember"); // the number's row before the login; none if -1
        QTest::addColumn<QString>("signInDate");
        QTest::addColumn<QString>("expected");
        const QString today = QStringLiteral("05/12/26");
        const QString tenDaysAgo = QStringLiteral("25/11/26");
        QTest::newRow("no row for the number yet") << -1 << "" << today;
        QTest::newRow("row not remembered before") << 0 << "" << today;
        QTest::newRow("row remembered ten days ago") << 1 << tenDaysAgo << tenDaysAgo;
        QTest::newRow("row remembered under another date format")
            << 1 << "2026-11-25" << QStringLiteral("2026-11-25");
        QTest::newRow("row remembered without a date") << 1 << "" << today;
    }
    void rememberedLoginIsOfferedNextTime()
    {
        QFETCH(int, remember);
        QFETCH(QString, signInDate);
        QFETCH(QString, expected);
        if (remember >= 0)
            insertRow(number, machine(), "Old#pass1", remember, signInDate);
        insertRow(other, machine(), password, 1, "01/12/2026");
        MessageBoxWatcher boxes;
        const bool signedIn =
            open([&](FrmSignUp &window) { SignInSession::logIn(window, number, password, true); });
        QVERIFY(boxes.messages().isEmpty());
        QVERIFY(signedIn);
        QCOMPARE(rowsOf(number), 1);
        QCOMPARE(fieldOf(number, "RememberMe"), QVariant(1));
        QCOMPARE(fieldOf(number, "SignInDate").toString(), expected);
        QVERIFY(!fieldOf(number, "token").toString().isEmpty());
        QCOMPARE(fieldOf(other, "RememberMe"), QVariant(0));

        // Closing the next start without a login leaves the host signed in.
        const bool again = open([&](FrmSignUp &window) {
            QCOMPARE(window.Frame5()->TxtMobile1->Text(), number);
            QCOMPARE(window.Frame5()->TxtPassword2->Text(), password);
        });
        QVERIFY(again);
    }

    // While the login waits for its reply, a second click signs in no second time, and a
    // close drops the request: the window signs nothing in, even once the reply comes.
    void loginWaitingForItsReply_data()
    {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<bool>("closes");
        QTest::newRow("second click on LOGIN") << "delay:1" << false;
        // Longer than any test should last: a window that kept waiting would sign in.
        QTest::newRow("window closed") << "delay:20" << true;
    }
    void loginWaitingForItsReply()
    {
        QFETCH(QString, delay);
        QFETCH(bool, closes);
        QVERIFY(service->setFault(delay));
        MessageBoxWatcher boxes;
        bool actedInTheWait = false;
        const bool signedIn = open([&](FrmSignUp &window) {
            typeInto(window.Frame1()->TxtMobileNo, "");
            window.Frame1()->CmdSignIn->click();
            // Acts as soon as the login's request is out, from inside its wait.
            QTimer during;
            connect(&during, &QTimer::timeout, &window, [&] {
                const QPointer<HttpTransport> pending = window.findChild<HttpTransport *>();
                if (!pending)
                    return;
                during.stop();
                if (closes)
                    window.close();
                else
                    QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
                actedInTheWait = closes == pending.isNull();
            });
            during.start(0);
            SignInSession::logIn(window, number, password);
        });
        QVERIFY(actedInTheWait);
        QCOMPARE(signedIn, !closes);
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(rowCount(), 1);
        QCOMPARE(fieldOf(number, "Token").toString().isEmpty(), closes);
    }

    void windowDetails_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<QString>("expected");
        const Reading window = [](FrmSignUp &w) {
            return QString(w.isVisible() ? "open" : "closed");
        };
        const Reading links = [this](FrmSignUp &) { return m_links.opened.join(u' '); };
        const Reading agreed = [](FrmSignUp &w) {
            return QString(w.Frame1()->ChekAgreeOrNot->isChecked() ? "ticked" : "unticked");
        };
        const auto clickOn = [](const char *label, Qt::MouseButton button, int times = 1) {
            return Gesture([=](FrmSignUp &w) {
                for (int i = 0; i < times; ++i)
                    QTest::mouseClick(w.Frame1()->findChild<QLabel *>(label), button);
            });
        };
        const auto eyeClicks = [](int times) {
            return Gesture([=](FrmSignUp &w) {
                typeInto(w.Frame1()->TxtPassword, password);
                for (int i = 0; i < times; ++i)
                    w.Frame1()->CmdEye->click();
            });
        };
        const Reading passwordView = [](FrmSignUp &w) {
            const TextOrv *input = w.Frame1()->TxtPassword;
            const bool plain = input->Text1()->echoMode() == QLineEdit::Normal;
            return input->PasswordChar() + (plain ? "|plain|" : "|masked|") + input->Text();
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
        QTest::newRow("left click on 'I agree to the '")
            << clickOn("Label29", Qt::LeftButton) << agreed << "unticked";
        QTest::newRow("two left clicks on 'I agree to the '")
            << clickOn("Label29", Qt::LeftButton, 2) << agreed << "ticked";
        QTest::newRow("right click on 'I agree to the '")
            << clickOn("Label29", Qt::RightButton) << agreed << "ticked";
        QTest::newRow("eye shows the password")
            << eyeClicks(1) << passwordView << "|plain|" + password;
        QTest::newRow("eye again masks it")
            << eyeClicks(2) << passwordView << "*|masked|" + password;
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
                   auto *column = panel->findChild<QWidget *>("Frame8Content");
                   const QPoint gap(2, 2);
                   QCOMPARE(w.childAt(column->mapTo(&w, gap)), column);
                   // From the gap first: a pointer resting where an earlier window had
                   // its eye button would give this one's button no Enter.
                   QTest::mouseMove(column, gap);
                   QTest::mouseMove(panel->cmdForPasseye);
                   QVERIFY(panel->Frame10->isVisible());
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
        m_links.opened.clear();
        open([&](FrmSignUp &window) {
            gesture(window);
            QCOMPARE(reading(window), expected);
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
        const bool signedIn = open([&](FrmSignUp &window) {
            QVERIFY(window.Frame1()->isVisible());
            QVERIFY(!window.Frame5()->isVisible());
            QCOMPARE(window.Frame5()->Label15->text(), QStringLiteral("Welcome to Velmo IT"));
            QCOMPARE(window.Frame1()->findChild<QLabel *>("Label26")->text(), QString());
            QVERIFY(faceColour(window.Frame1()->CmdSubmit) != SignInTheme::actionButton);
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().text, QStringLiteral("Internet is not connected..."));
        QCOMPARE(boxes.single().icon, QMessageBox::Information);
    }
};

QTEST_MAIN(tst_FrmSignUp)
#include "tst_FrmSignUp.moc"
