#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "MessageBoxWatcher.h"
#include "SignInSession.h"
#include "ValidSignUp.h"
#include "controls/input/TextOrv.h"
#include "signin/FrmSignUp.h"
#include "signin/NewPasswordPanel.h"
#include "signin/SignInChecks.h"
#include "signin/SignInMessages.h"
#include "signin/SignUpPanel.h"

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

} // namespace

Q_DECLARE_METATYPE(AccountDetails)

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

    void signUpFormStopsAtTheFirstFailure_data()
    {
        QTest::addColumn<AccountDetails>("form");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("focus");

        const AccountDetails valid = validSignUp(QStringLiteral("9876543210"), validPassword);
        const auto row = [](const char *name, const AccountDetails &form, const QString &message,
                            QMessageBox::Icon icon = QMessageBox::Warning,
                            const QString &focus = QStringLiteral("TxtEmail")) {
            QTest::newRow(name) << form << message << icon << focus;
        };
        AccountDetails form = valid;
        form.fullName = "   ";
        form.firmName = "";
        row("blank name, before the empty firm", form, "Full Name is mandatory.",
            QMessageBox::Warning, "TxtName");
        form = valid;
        form.firmName = " \t ";
        form.mobile = "123";
        row("blank firm, before the short number", form, "Firm Name is mandatory.",
            QMessageBox::Warning, "TxtFirmName");
        form = valid;
        form.mobile = "987654321";
        form.email = "";
        row("nine-digit number, before the empty address", form, "Please enter correct Mobile No.");
        form = valid;
        form.email = "  ";
        row("blank address", form, "Please enter EMail Id.");
        for (const char *email : {"asha.example.in", "asha@YOPmail.com", "asha@Mailinator.net"}) {
            form = valid;
            form.email = email;
            row(email, form, "Invalid EMail Id");
        }
        form = valid;
        form.password = "";
        form.confirmedPassword = "";
        row("empty password", form, "Password should be minimum 8 characters.");
        form = valid;
        form.password = "Sec#202";
        row("seven characters", form, "Invalid password format.");
        form = valid;
        form.confirmedPassword = validPassword.toLower();
        row("confirmation in lower case fails its format before the comparison", form,
            "Invalid password format.");
        form = valid;
        form.confirmedPassword = "Secret#2027";
        row("different confirmation", form, "Password and confirm password does not match.",
            QMessageBox::Critical);
        form = valid;
        form.firmOption = 0;
        form.pinCode = "1";
        row("no firm type, before the short pin code", form,
            "Please select option from professional / Business");
        form = valid;
        form.pinCode = "56000";
        form.agreed = 0;
        row("five-digit pin code, before the terms", form, "Invalid Pin Code");
        form = valid;
        form.agreed = 0;
        row("terms not accepted", form, "Please agree to Terms & Conditions");
    }
    void signUpFormStopsAtTheFirstFailure()
    {
        QFETCH(AccountDetails, form);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, focus);
        fill(panel(), form);
        panel().TxtEmail->setFocus();
        MessageBoxWatcher boxes;
        SignInMessages messages(window.get(), QStringLiteral("Velmo IT Test"));
        QVERIFY(!SignInChecks::ValidateSignUpForm(panel(), messages));
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, icon);
        QCOMPARE(boxes.single().title, QStringLiteral("Velmo IT Test"));
        QCOMPARE(window->focusWidget()->parentWidget()->objectName(), focus);
        // Nothing the user typed is lost.
        QCOMPARE(panel().TxtMobileNo->Text(), form.mobile);
        QCOMPARE(panel().TxtConfirmPassword->Text(), form.confirmedPassword);
    }

    void validFormPassesAndIsTrimmed()
    {
        AccountDetails form = validSignUp(QStringLiteral("9876543210"), validPassword);
        form.fullName = "  Ravi Shah ";
        form.firmName = " Shah & Co  ";
        form.email = "  ravi@example.com ";
        fill(panel(), form);
        MessageBoxWatcher boxes;
        QVERIFY(SignInChecks::ValidateSignUpForm(panel(), SignInMessages(window.get(), "T")));
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(panel().TxtName->Text(), QStringLiteral("Ravi Shah"));
        QCOMPARE(panel().TxtFirmName->Text(), QStringLiteral("Shah & Co"));
        QCOMPARE(panel().TxtEmail->Text(), QStringLiteral("ravi@example.com"));
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

    void leavingAnInputRunsItsValidation_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("empty firm name") << "TxtFirmName"
                                         << "   "
                                         << "Firm Name minimum length will be 1 character"
                                         << "";
        QTest::newRow("firm name is trimmed") << "TxtFirmName"
                                              << "  Rao  "
                                              << ""
                                              << "Rao";
        QTest::newRow("empty confirmation") << "TxtConfirmPassword"
                                            << ""
                                            << ""
                                            << "";
        QTest::newRow("short confirmation") << "TxtConfirmPassword"
                                            << "abc"
                                            << "Invalid password format"
                                            << "abc";
        QTest::newRow("confirmation of the right shape")
            << "TxtConfirmPassword" << validPassword << "" << validPassword;
    }
    void leavingAnInputRunsItsValidation()
    {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, afterwards);
        auto *box = panel().findChild<TextOrv *>(input);
        MessageBoxWatcher boxes;
        typeInto(box, typed);
        QTest::keyClick(box->Text1(), Qt::Key_Tab);
        // The check runs from a posted event once the focus has moved on.
        QCoreApplication::sendPostedEvents();
        QTRY_COMPARE(boxes.messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(boxes.single().text, message);
            QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        }
        QCOMPARE(window->focusWidget() == box->Text1(), !message.isEmpty());
        QCOMPARE(box->Text(), afterwards);
    }

    void pressingSignUpFromAnEmptyFirmNameShowsOneMessage()
    {
        typeInto(panel().TxtFirmName, "");
        MessageBoxWatcher boxes;
        QTest::mousePress(panel().CmdSubmit, Qt::LeftButton);
        QTRY_COMPARE(boxes.messages().size(), 1);
        QTest::mouseRelease(panel().CmdSubmit, Qt::LeftButton);
        // Whatever the release set going has run before the count is read.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.single().text,
                 QStringLiteral("Firm Name minimum length will be 1 character"));
        QCOMPARE(window->focusWidget(), panel().TxtFirmName->Text1());
    }

    void twoRefusingInputsDoNotBounceTheFocus()
    {
        panel().TxtConfirmPassword->letText("abc");
        typeInto(panel().TxtFirmName, "");
        MessageBoxWatcher boxes;
        panel().TxtConfirmPassword->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(boxes.messages().size(), 1);
        // A bounce would have queued the other input's check by now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.single().text,
                 QStringLiteral("Firm Name minimum length will be 1 character"));
        QCOMPARE(window->focusWidget(), panel().TxtFirmName->Text1());
    }

    // Every control that takes the focus raises the validation; a cancelled one also
    // cancels the click that took the focus.
    void clickingAwayRunsTheValidationFirst_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        const QString emptyFirm = QStringLiteral("Firm Name minimum length will be 1 character");
        const QString badConfirmation = QStringLiteral("Invalid password format");
        QTest::newRow("empty firm name, Sign In")
            << "TxtFirmName" << QString() << "CmdSignIn" << emptyFirm;
        QTest::newRow("empty firm name, eye")
            << "TxtFirmName" << QString() << "CmdEye" << emptyFirm;
        QTest::newRow("short confirmation, Sign In") << "TxtConfirmPassword"
                                                     << "abc"
                                                     << "CmdSignIn" << badConfirmation;
        QTest::newRow("short confirmation, eye") << "TxtConfirmPassword"
                                                 << "abc"
                                                 << "CmdEye" << badConfirmation;
        QTest::newRow("good firm name, Sign In") << "TxtFirmName"
                                                 << "Rao"
                                                 << "CmdSignIn" << QString();
        QTest::newRow("good confirmation, eye")
            << "TxtConfirmPassword" << validPassword << "CmdEye" << QString();
    }
    void clickingAwayRunsTheValidationFirst()
    {
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QFETCH(QString, message);
        auto *box = panel().findChild<TextOrv *>(input);
        auto *button = panel().findChild<QAbstractButton *>(target);
        typeInto(box, typed);
        MessageBoxWatcher boxes;
        QTest::mouseClick(button, Qt::LeftButton);

        // Settled before the click went on, so already answered.
        QCOMPARE(boxes.messages().size(), message.isEmpty() ? 0 : 1);
        const bool clickActed = !panel().isVisible() || panel().TxtPassword->PasswordChar() == "";
        if (message.isEmpty()) {
            QVERIFY(clickActed);
            return;
        }
        QCOMPARE(boxes.single().text, message);
        QCOMPARE(boxes.single().icon, QMessageBox::Warning);
        QCOMPARE(window->focusWidget(), box->Text1());
        QVERIFY(!clickActed);
    }

    void newPasswordChecksComeBeforeTheRequest_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("empty") << "" << validPassword << "Password should be minimum 8 characters."
                               << QMessageBox::Warning;
        QTest::newRow("seven characters") << "Sec#202"
                                          << "Sec#202"
                                          << "Invalid password format." << QMessageBox::Warning;
        QTest::newRow("confirmation without a digit")
            << validPassword << "Secret#Word"
            << "Invalid password format." << QMessageBox::Warning;
        QTest::newRow("differs in letter case only")
            << validPassword << "sECRET#2026"
            << "Password and confirm password does not match." << QMessageBox::Critical;
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
