#include <QApplication>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "SignInSession.h"
#include "ValidSignUp.h"
#include "signin/SignInChecks.h"
#include "signin/SignInMessages.h"

using SignInSession::typeInto;

namespace
{

const QString validPassword = QStringLiteral("Secret#2026");

// Puts the form into the panel without the checks that leaving each box runs.
void fill(SignUpPanel &panel, const AccountDetails &form)
{
    panel.TxtName->letText(form.fullName);
    panel.TxtFirmName->letText(form.firmName);
    panel.TxtMobileNo->letText(form.mobile);
    panel.TxtEmail->letText(form.email);
    panel.TxtPassword->letText(form.password);
    panel.TxtConfirmPassword->letText(form.confirmedPassword);
    panel.txtPinCode->letText(form.pinCode);
    // Neither option may be chosen, which the group alone would not allow.
    for (QRadioButton *option : {panel.Opt1, panel.Opt2}) {
        option->setAutoExclusive(false);
        option->setChecked(form.firmOption == (option == panel.Opt1 ? 1 : 2));
        option->setAutoExclusive(true);
    }
    panel.ChekAgreeOrNot->setChecked(form.agreed == 1);
}

// Moves the focus away from the box, as the user would.
using Leave = std::function<void(SignUpPanel &)>;

} // namespace

Q_DECLARE_METATYPE(AccountDetails)
Q_DECLARE_METATYPE(Leave)

class tst_SignUpChecks : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FrmSignUp> window;

    SignUpPanel &panel() { return *window->Frame1(); }

private slots:
    void init()
    {
        window = std::make_unique<FrmSignUp>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void signUpFormIsCheckedInOrder_data()
    {
        QTest::addColumn<AccountDetails>("form");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("focus");

        const auto with = [](auto change) {
            AccountDetails form = validSignUp(QStringLiteral("9876543210"), validPassword);
            change(form);
            return form;
        };
        // The focus stays on TxtEmail, where the test puts it, unless a row names a box.
        const auto row = [&](const char *name, const QString &message, auto change) {
            QTest::newRow(name) << with(change) << message << QMessageBox::Warning << "TxtEmail";
        };
        QTest::newRow("blank name, before the empty firm")
            << with([](auto &f) { std::tie(f.fullName, f.firmName) = std::pair("   ", ""); })
            << "Full Name is mandatory." << QMessageBox::Warning << "TxtName";
        QTest::newRow("blank firm, before the short number")
            << with([](auto &f) { std::tie(f.firmName, f.mobile) = std::pair(" \t ", "123"); })
            << "Firm Name is mandatory." << QMessageBox::Warning << "TxtFirmName";
        row("nine-digit number, before the empty address", "Please enter correct Mobile No.",
            [](auto &f) { std::tie(f.mobile, f.email) = std::pair("987654321", ""); });
        row("blank address", "Please enter EMail Id.", [](auto &f) { f.email = "  "; });
        for (const char *email : {"asha.example.in", "asha@YOPmail.com", "asha@Mailinator.net"})
            row(email, "Invalid EMail Id", [=](auto &f) { f.email = email; });
        row("empty password", "Password should be minimum 8 characters.",
            [](auto &f) { f.password = f.confirmedPassword = ""; });
        row("seven characters", "Invalid password format.",
            [](auto &f) { f.password = "Sec#202"; });
        row("confirmation in lower case fails its format before the comparison",
            "Invalid password format.",
            [](auto &f) { f.confirmedPassword = validPassword.toLower(); });
        QTest::newRow("different confirmation")
            << with([](auto &f) { f.confirmedPassword = "Secret#2027"; })
            << "Password and confirm password does not match." << QMessageBox::Critical
            << "TxtEmail";
        row("no firm type, before the short pin code",
            "Please select option from professional / Business",
            [](auto &f) { std::tie(f.firmOption, f.pinCode) = std::pair(0, "1"); });
        row("five-digit pin code, before the terms", "Invalid Pin Code",
            [](auto &f) { std::tie(f.pinCode, f.agreed) = std::pair("56000", 0); });
        row("terms not accepted", "Please agree to Terms & Conditions",
            [](auto &f) { f.agreed = 0; });
        row("valid form, its names and address to trim", "", [](auto &f) {
            std::tie(f.fullName, f.firmName, f.email) =
                std::tuple("  Ravi Shah ", " Shah & Co  ", "  ravi@example.com ");
        });
    }
    void signUpFormIsCheckedInOrder()
    {
        QFETCH(AccountDetails, form);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, focus);
        fill(panel(), form);
        panel().TxtEmail->setFocus();
        MessageBoxWatcher boxes;
        SignInMessages messages(window.get(), QStringLiteral("Velmo IT Test"));
        const bool passes = message.isEmpty();
        QCOMPARE(SignInChecks::ValidateSignUpForm(panel(), messages), passes);
        QCOMPARE(boxes.messages().size(), passes ? 0 : 1);
        if (passes) {
            QCOMPARE(panel().TxtName->Text(), form.fullName.trimmed());
            QCOMPARE(panel().TxtFirmName->Text(), form.firmName.trimmed());
            QCOMPARE(panel().TxtEmail->Text(), form.email.trimmed());
        } else {
            QCOMPARE(boxes.single().text, message);
            QCOMPARE(boxes.single().icon, icon);
            QCOMPARE(boxes.single().title, QStringLiteral("Velmo IT Test"));
        }
        QCOMPARE(window->focusWidget()->parentWidget()->objectName(), focus);
        // Nothing the user typed is lost.
        QCOMPARE(panel().TxtMobileNo->Text(), form.mobile);
        QCOMPARE(panel().TxtConfirmPassword->Text(), form.confirmedPassword);
    }

    void passwordClasses_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("all four classes") << "Secret#2026" << true;
        QTest::newRow("no upper case") << "secret!2026" << false;
        QTest::newRow("& counts as upper case") << "secret!2026&" << true;
        QTest::newRow("blank counts as upper case") << "secret! 2026" << true;
        QTest::newRow("~ counts as upper case") << "secret!2026~" << true;
        QTest::newRow("comma is special") << "Secret,2026" << true;
        QTest::newRow("quote is special") << "Secret'2026" << true;
        QTest::newRow("double quote is not special") << "Secret\"2026" << false;
        QTest::newRow("no digit") << "Secret#Word" << false;
        QTest::newRow("no lower case") << "SECRET#2026" << false;
        QTest::newRow("seven characters") << "Sec#202" << false;
        QTest::newRow("eight characters") << "Sec#2026" << true;
        QTest::newRow("surrounding blanks do not count") << "  Sec#202 " << false;
    }
    void passwordClasses()
    {
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        TextOrv *input = window->Frame8()->txtForPass;
        input->letText(password);
        MessageBoxWatcher boxes;
        QCOMPARE(SignInChecks::ValidatePasswordFormat(*input, SignInMessages(window.get(), "T")),
                 accepted);
        QCOMPARE(boxes.messages().size(), accepted ? 0 : 1);
    }

    // Leaving a box runs its check once the focus has moved on. A refusal answers once,
    // brings the focus back (without bouncing to another box that would refuse too) and
    // cancels the click that took the focus: Sign In would hide the panel, the eye
    // would show the password.
    void leavingAnInputRunsItsCheck_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Leave>("leave");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("afterwards");
        QTest::addColumn<bool>("clickActs");
        const QString emptyFirm = QStringLiteral("Firm Name minimum length will be 1 character");
        const QString badConfirmation = QStringLiteral("Invalid password format");
        const auto clickOn = [](auto button) {
            return Leave([=](SignUpPanel &p) { QTest::mouseClick(p.*button, Qt::LeftButton); });
        };
        const Leave tab = [](SignUpPanel &) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        };
        const Leave signIn = clickOn(&SignUpPanel::CmdSignIn);
        const Leave eye = clickOn(&SignUpPanel::CmdEye);
        const auto row = [](const char *name, const char *input, const QString &typed,
                            const Leave &leave, const QString &message, const QString &afterwards,
                            bool clickActs = false) {
            QTest::newRow(name) << input << typed << leave << message << afterwards << clickActs;
        };
        row("empty firm name, Tab", "TxtFirmName", "   ", tab, emptyFirm, "");
        row("firm name is trimmed, Tab", "TxtFirmName", "  Rao  ", tab, "", "Rao");
        row("empty confirmation, Tab", "TxtConfirmPassword", "", tab, "", "");
        row("short confirmation, Tab", "TxtConfirmPassword", "abc", tab, badConfirmation, "abc");
        row("confirmation of the right shape, Tab", "TxtConfirmPassword", validPassword, tab, "",
            validPassword);
        row("empty firm name, Sign In", "TxtFirmName", "", signIn, emptyFirm, "");
        row("empty firm name, eye", "TxtFirmName", "", eye, emptyFirm, "");
        row("short confirmation, Sign In", "TxtConfirmPassword", "abc", signIn, badConfirmation,
            "abc");
        row("short confirmation, eye", "TxtConfirmPassword", "abc", eye, badConfirmation, "abc");
        row("good firm name, Sign In", "TxtFirmName", "Rao", signIn, "", "Rao", true);
        row("good confirmation, eye", "TxtConfirmPassword", validPassword, eye, "", validPassword,
            true);
        // The message shows while the button is held down; its release then sends nothing.
        row(
            "empty firm name, SIGN UP held down", "TxtFirmName", "",
            [](SignUpPanel &p) {
                QTest::mousePress(p.CmdSubmit, Qt::LeftButton);
                QCoreApplication::sendPostedEvents();
                QTest::mouseRelease(p.CmdSubmit, Qt::LeftButton);
            },
            emptyFirm, "");
        row(
            "empty firm name, to a confirmation that would refuse too", "TxtFirmName", "",
            [](SignUpPanel &p) {
                p.TxtConfirmPassword->letText("abc");
                p.TxtConfirmPassword->setFocus(Qt::MouseFocusReason);
            },
            emptyFirm, "");
    }
    void leavingAnInputRunsItsCheck()
    {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(Leave, leave);
        QFETCH(QString, message);
        QFETCH(QString, afterwards);
        QFETCH(bool, clickActs);
        const int shown = message.isEmpty() ? 0 : 1;
        auto *box = panel().findChild<TextOrv *>(input);
        typeInto(box, typed);
        MessageBoxWatcher boxes;
        leave(panel());
        QCoreApplication::sendPostedEvents();
        QTRY_COMPARE(boxes.messages().size(), shown);
        // A bounce, or a click that went on, would have queued another check by now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(boxes.messages().size(), shown);
        if (shown) {
            QCOMPARE(boxes.single().text, message);
            QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        }
        QCOMPARE(window->focusWidget() == box->Text1(), shown == 1);
        QCOMPARE(box->Text(), afterwards);
        QCOMPARE(!panel().isVisible() || panel().TxtPassword->PasswordChar() == "", clickActs);
    }

    void newPasswordChecksComeBeforeTheRequest_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        const auto row = [](const char *name, const QString &password, const QString &confirm,
                            const QString &message, QMessageBox::Icon icon = QMessageBox::Warning) {
            QTest::newRow(name) << password << confirm << message << icon;
        };
        row("empty", "", validPassword, "Password should be minimum 8 characters.");
        row("seven characters", "Sec#202", "Sec#202", "Invalid password format.");
        row("confirmation without a digit", validPassword, "Secret#Word",
            "Invalid password format.");
        row("differs in letter case only", validPassword, "sECRET#2026",
            "Password and confirm password does not match.", QMessageBox::Critical);
    }
    void newPasswordChecksComeBeforeTheRequest()
    {
        QFETCH(QString, password);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        // No service is configured here: a request would end in a second message.
        NewPasswordPanel &panel = *window->Frame8();
        window->Frame1()->hide();
        panel.show();
        panel.txtForPass->letText(password);
        panel.txtForConPass->letText(confirm);
        MessageBoxWatcher boxes;
        panel.Command8->click();
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, icon);
        QVERIFY(panel.isVisible());
    }
};

QTEST_MAIN(tst_SignUpChecks)
#include "tst_SignUpChecks.moc"
