#include <QMap>
#include <QtTest>

#include <optional>

#include "HumanMessage.h"
#include "SignInTestCase.h"

using SignInSession::typeInto;

namespace
{

const QString untrustedCertificate = QStringLiteral("untrusted-certificate");
const QString refusalWithoutText = QStringLiteral("refusal-empty-errors");

enum class Button { Login, SignUp, VerifySignUp, SendResetCode, UpdatePassword };

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

private:
    // Drives the window to the panel whose button the row clicks, filled so that the
    // click would succeed; answers that panel, the button and where a successful click
    // leads (nowhere for a login: the window closes).
    std::tuple<QWidget *, QPushButton *, QWidget *> reach(FrmSignUp &window, Button button,
                                                          const QString &mobile)
    {
        switch (button) {
        case Button::Login:
            typeInto(window.Frame5()->TxtMobile1, mobile);
            typeInto(window.Frame5()->TxtPassword2, password);
            return {window.Frame5(), window.Frame5()->CmdLogin, nullptr};
        case Button::SignUp:
            SignInSession::fillSignUp(*window.Frame1(), mobile, password);
            return {window.Frame1(), window.Frame1()->CmdSubmit, window.Frame6()};
        case Button::VerifySignUp:
            SignInSession::submitSignUp(window, mobile, password);
            typeInto(window.Frame6()->txtOTP, service->latestOtp(mobile));
            return {window.Frame6(), window.Frame6()->Command4, window.Frame5()};
        case Button::SendResetCode:
            window.Frame5()->CmdForgatPassord->click();
            typeInto(window.Frame7()->Text1, mobile);
            return {window.Frame7(), window.Frame7()->Command5, window.Frame6()};
        case Button::UpdatePassword:
            SignInSession::sendResetCode(window, mobile);
            SignInSession::verifyCode(window, *service, mobile);
            typeInto(window.Frame8()->txtForPass, newPassword);
            typeInto(window.Frame8()->txtForConPass, newPassword);
            return {window.Frame8(), window.Frame8()->Command8, window.Frame5()};
        }
        return {nullptr, nullptr, nullptr};
    }

private slots:
    void faultKeepsTheWindowUsable_data()
    {
        QTest::addColumn<Button>("button");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QMessageBox::Icon>("icon");
        // A login without a usable reply only warns; a reply too large, a refused
        // certificate and any fault at another step are critical. A refusal without a
        // text still answers the click with its box, a warning.
        const auto warning = QMessageBox::Warning;
        const auto critical = QMessageBox::Critical;
        const std::tuple<const char *, QString, QMessageBox::Icon, QMessageBox::Icon> faults[] = {
            {"HTTP 500 page", QStringLiteral("http500-html"), warning, critical},
            {"empty body", QStringLiteral("empty-body"), warning, critical},
            {"dropped connection", QStringLiteral("drop-connection"), warning, critical},
            {"malformed JSON", QStringLiteral("malformed-json"), warning, critical},
            {"10 MB body", QStringLiteral("oversize:%1").arg(10 * 1024 * 1024), critical, critical},
            {"10 MB announced", QStringLiteral("oversize-announced:%1").arg(10 * 1024 * 1024),
             critical, critical},
            {"refusal without a text", refusalWithoutText, warning, warning},
        };
        const std::pair<const char *, Button> buttons[] = {
            {"LOGIN", Button::Login},
            {"SIGN UP", Button::SignUp},
            {"VERIFY OTP", Button::VerifySignUp},
            {"SEND", Button::SendResetCode},
            {"Update Password", Button::UpdatePassword}};
        for (const auto &[buttonName, button] : buttons)
            for (const auto &[faultName, fault, loginIcon, otherIcon] : faults)
                QTest::addRow("%s, %s", buttonName, faultName)
                    << button << fault << (button == Button::Login ? loginIcon : otherIcon);
        QTest::newRow("LOGIN, untrusted certificate")
            << Button::Login << untrustedCertificate << critical;
    }

    void faultKeepsTheWindowUsable()
    {
        QFETCH(Button, button);
        QFETCH(QString, fault);
        QFETCH(QMessageBox::Icon, icon);
        const QString mobile = freshNumber();
        // The buttons that need an account with the service get one, and a row of this
        // machine, which opens the window on the login panel.
        if (button == Button::Login || button == Button::SendResetCode ||
            button == Button::UpdatePassword) {
            SignInSession::registerAccount(*service, mobile, password);
            insertRow(mobile, machine(), password);
        }

        std::optional<TestService> untrusted;
        MessageBoxWatcher boxes;
        bool reachedSuccess = false;
        const bool signedIn = SignInSession::open([&](FrmSignUp &window) {
            const auto [panel, click, next] = reach(window, button, mobile);
            QVERIFY(panel && panel->isVisible());
            QVERIFY(boxes.messages().isEmpty());
            const QMap<QString, QString> typed = inputsOf(*panel);
            const QStringList rowsBefore = db->rows("select * from it_TBL115BAC order by id");

            if (fault == untrustedCertificate) {
                untrusted.emplace(QStringList(), QStringLiteral("untrusted-server"));
                QVERIFY(untrusted->isRunning());
            } else {
                QVERIFY(service->setFault(fault));
            }
            click->click();

            QCOMPARE(boxes.messages().size(), 1);
            const MessageBoxWatcher::Message shown = boxes.messages().first();
            if (fault == refusalWithoutText) {
                QCOMPARE(shown.text, QString());
            } else {
                const QString why = whyNotHumanMessage(shown.text);
                QVERIFY2(why.isEmpty(), qPrintable(why));
            }
            QCOMPARE(shown.icon, icon);
            QCOMPARE(shown.title, QStringLiteral("Velmo IT Test"));
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
                QCOMPARE(db->rows("select * from it_TBL115BAC order by id"), rowsBefore);
            }

            untrusted.reset();
            QVERIFY(service->setFault("none"));
            click->click();
            QCOMPARE(boxes.messages().size(), 1);
            QVERIFY(!next || next->isVisible());
            reachedSuccess = true;
        });
        QVERIFY(reachedSuccess);
        QCOMPARE(signedIn, button == Button::Login);
        if (button == Button::VerifySignUp)
            QCOMPARE(rowsOf(mobile), 1);
    }
};

QTEST_MAIN(tst_WindowFaults)
#include "tst_WindowFaults.moc"
