#include <QMap>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <optional>

#include "HumanMessage.h"
#include "MessageBoxWatcher.h"
#include "SignInSession.h"
#include "SignInTestCase.h"
#include "controls/input/TextOrv.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"

using SignInSession::typeInto;

namespace
{

const QString password = QStringLiteral("Secret#2026");
const QString newPassword = QStringLiteral("Fresh@Pass9");
const QString untrustedCertificate = QStringLiteral("untrusted-certificate");

// The service keeps its accounts for the whole run, so each row signs up its own number.
QString freshNumber()
{
    static int next = 1;
    return QStringLiteral("91000000%1").arg(next++, 2, 10, QChar(u'0'));
}

enum class Button { Login, SignUp, VerifySignUp, SendResetCode, UpdatePassword };

const std::pair<const char *, Button> allButtons[] = {
    {"LOGIN", Button::Login},
    {"SIGN UP", Button::SignUp},
    {"VERIFY OTP", Button::VerifySignUp},
    {"SEND", Button::SendResetCode},
    {"Update Password", Button::UpdatePassword},
};

// Every text box of a panel by name, to see that a failed click lost nothing typed.
QMap<QString, QString> inputsOf(const QWidget &panel)
{
    QMap<QString, QString> texts;
    for (const TextOrv *box : panel.findChildren<TextOrv *>())
        texts.insert(box->objectName(), box->Text());
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Button)

class tst_WindowFaults : public SignInTestCase
{
    Q_OBJECT

public:
    tst_WindowFaults() : SignInTestCase(QStringLiteral("AA-BB-CC-DD-EE-05")) {}

private:
    // The buttons that need an account with the service get one, and a row of this
    // machine, which opens the window on the login panel.
    void prepareAccount(Button button, const QString &mobile)
    {
        if (button == Button::Login || button == Button::SendResetCode ||
            button == Button::UpdatePassword) {
            SignInSession::registerAccount(*service, mobile, password);
            insertRow(mobile, machine(), password);
        }
    }

    // The whole account table as text, row by row, to compare before and after a click.
    QStringList tableRows() const { return db->rows("select * from it_TBL115BAC order by id"); }

    // Drives the window to the panel whose button the row clicks, filled so that the
    // click would succeed; answers that panel and the button.
    std::pair<QWidget *, QPushButton *> reach(FrmSignUp &window, Button button,
                                              const QString &mobile)
    {
        switch (button) {
        case Button::Login:
            typeInto(window.Frame5()->TxtMobile1, mobile);
            typeInto(window.Frame5()->TxtPassword2, password);
            return {window.Frame5(), window.Frame5()->CmdLogin};
        case Button::SignUp:
            SignInSession::fillSignUp(*window.Frame1(), mobile, password);
            return {window.Frame1(), window.Frame1()->CmdSubmit};
        case Button::VerifySignUp:
            SignInSession::fillSignUp(*window.Frame1(), mobile, password);
            window.Frame1()->CmdSubmit->click();
            typeInto(window.Frame6()->txtOTP, service->latestOtp(mobile));
            return {window.Frame6(), window.Frame6()->Command4};
        case Button::SendResetCode:
            window.Frame5()->CmdForgatPassord->click();
            typeInto(window.Frame7()->Text1, mobile);
            return {window.Frame7(), window.Frame7()->Command5};
        case Button::UpdatePassword:
            SignInSession::sendResetCode(window, mobile);
            SignInSession::verifyCode(window, *service, mobile);
            typeInto(window.Frame8()->txtForPass, newPassword);
            typeInto(window.Frame8()->txtForConPass, newPassword);
            return {window.Frame8(), window.Frame8()->Command8};
        }
        return {nullptr, nullptr};
    }

    // Where a successful click leads: the next panel, or for a login a closed window.
    static QWidget *nextPanel(FrmSignUp &window, Button button)
    {
        switch (button) {
        case Button::Login:
            return nullptr;
        case Button::SignUp:
        case Button::SendResetCode:
            return window.Frame6();
        case Button::VerifySignUp:
        case Button::UpdatePassword:
            return window.Frame5();
        }
        return nullptr;
    }

private slots:
    void faultKeepsTheWindowUsable_data()
    {
        QTest::addColumn<Button>("button");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QMessageBox::Icon>("icon");
        // A login without a usable reply only warns; a reply too large, a refused
        // certificate and any fault at another step are critical.
        const auto warnsAtLogin = QMessageBox::Warning;
        const auto critical = QMessageBox::Critical;
        const std::tuple<const char *, QString, QMessageBox::Icon> faults[] = {
            {"HTTP 500 page", QStringLiteral("http500-html"), warnsAtLogin},
            {"empty body", QStringLiteral("empty-body"), warnsAtLogin},
            {"dropped connection", QStringLiteral("drop-connection"), warnsAtLogin},
            {"malformed JSON", QStringLiteral("malformed-json"), warnsAtLogin},
            {"10 MB body", QStringLiteral("oversize:%1").arg(10 * 1024 * 1024), critical},
            {"10 MB announced", QStringLiteral("oversize-announced:%1").arg(10 * 1024 * 1024),
             critical},
        };
        for (const auto &[buttonName, button] : allButtons)
            for (const auto &[faultName, fault, loginIcon] : faults)
                QTest::addRow("%s, %s", buttonName, faultName)
                    << button << fault << (button == Button::Login ? loginIcon : critical);
        QTest::newRow("LOGIN, untrusted certificate")
            << Button::Login << untrustedCertificate << critical;
    }

    void faultKeepsTheWindowUsable()
    {
        QFETCH(Button, button);
        QFETCH(QString, fault);
        QFETCH(QMessageBox::Icon, icon);
        const QString mobile = freshNumber();
        prepareAccount(button, mobile);

        std::optional<TestService> untrusted;
        MessageBoxWatcher boxes;
        bool reachedSuccess = false;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            // A failed check returns early; the modal window must still go.
            const auto closeOnFailure = qScopeGuard([&] {
                if (!reachedSuccess)
                    window.close();
            });
            const auto [panel, click] = reach(window, button, mobile);
            QVERIFY(panel && panel->isVisible());
            QVERIFY(boxes.messages().isEmpty());
            const QMap<QString, QString> typed = inputsOf(*panel);
            const QStringList rowsBefore = tableRows();

            if (fault == untrustedCertificate) {
                untrusted.emplace(QStringList(), QStringLiteral("untrusted-server"));
                QVERIFY(untrusted->isRunning());
            } else {
                QVERIFY(service->setFault(fault));
            }
            click->click();

            QCOMPARE(boxes.messages().size(), 1);
            const QString why = whyNotHumanMessage(boxes.messages().first().text);
            QVERIFY2(why.isEmpty(), qPrintable(why));
            QCOMPARE(boxes.messages().first().icon, icon);
            QVERIFY(window.isVisible());
            QVERIFY(panel->isVisible());
            QCOMPARE(inputsOf(*panel), typed);
            QVERIFY(!host.IsSignedIn);
            if (button == Button::Login) {
                // The login records the remember-me choice before it asks; a token only
                // ever comes from an accepted reply.
                QCOMPARE(db->scalar("select count(*) from it_TBL115BAC where Token <> ''").toInt(),
                         0);
            } else {
                QCOMPARE(tableRows(), rowsBefore);
            }

            untrusted.reset();
            QVERIFY(service->setFault("none"));
            click->click();
            QCOMPARE(boxes.messages().size(), 1);
            QWidget *next = nextPanel(window, button);
            QVERIFY(!next || next->isVisible());
            reachedSuccess = true;
            if (next)
                window.close();
        });
        QVERIFY(reachedSuccess);
        QCOMPARE(signedIn, button == Button::Login);
        if (button == Button::VerifySignUp)
            QCOMPARE(rowsOf(mobile), 1);
    }

    // A refusal without a text still answers the click with its box.
    void refusalWithoutTextShowsItsBox_data()
    {
        QTest::addColumn<Button>("button");
        for (const auto &[buttonName, button] : allButtons)
            QTest::newRow(buttonName) << button;
    }

    void refusalWithoutTextShowsItsBox()
    {
        QFETCH(Button, button);
        const QString mobile = freshNumber();
        prepareAccount(button, mobile);
        MessageBoxWatcher boxes;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            const auto [panel, click] = reach(window, button, mobile);
            QVERIFY(panel && panel->isVisible());
            QVERIFY(boxes.messages().isEmpty());
            QVERIFY(service->setFault("refusal-empty-errors"));
            click->click();
            QCOMPARE(boxes.messages().size(), 1);
            QVERIFY(panel->isVisible());
            window.close();
        });
        QVERIFY(!signedIn);
        QCOMPARE(boxes.single().text, QString());
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QCOMPARE(boxes.single().title, QStringLiteral("Velmo IT Test"));
    }
};

QTEST_MAIN(tst_WindowFaults)
#include "tst_WindowFaults.moc"
