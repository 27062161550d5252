#include "SignInSession.h"

#include <QApplication>
#include <QRadioButton>
#include <QtTest>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "AccountFixture.h"
#include "TestService.h"
#include "ValidSignUp.h"

namespace SignInSession
{

void typeInto(TextOrv *input, const QString &text)
{
    input->Text1()->setFocus();
    input->Text1()->selectAll();
    QTest::keyClicks(input->Text1(), text);
}

void fillSignUp(SignUpPanel &form, const QString &mobile, const QString &password)
{
    const AccountDetails valid = validSignUp(mobile, password);
    typeInto(form.TxtName, valid.fullName);
    typeInto(form.TxtFirmName, valid.firmName);
    typeInto(form.TxtMobileNo, valid.mobile);
    typeInto(form.TxtEmail, valid.email);
    typeInto(form.TxtPassword, valid.password);
    typeInto(form.TxtConfirmPassword, valid.confirmedPassword);
    typeInto(form.txtPinCode, valid.pinCode);
    form.Opt2->setChecked(true);
}

void submitSignUp(FrmSignUp &window, const QString &mobile, const QString &password)
{
    fillSignUp(*window.Frame1(), mobile, password);
    window.Frame1()->CmdSubmit->click();
}

void logIn(FrmSignUp &window, const QString &mobile, const QString &password, bool remember)
{
    typeInto(window.Frame5()->TxtMobile1, mobile);
    typeInto(window.Frame5()->TxtPassword2, password);
    if (remember)
        window.Frame5()->chkRememberMe->setChecked(true);
    QTest::mouseClick(window.Frame5()->CmdLogin, Qt::LeftButton);
}

void sendResetCode(FrmSignUp &window, const QString &mobile)
{
    window.Frame5()->CmdForgatPassord->click();
    typeInto(window.Frame7()->Text1, mobile);
    window.Frame7()->Command5->click();
}

void verifyCode(FrmSignUp &window, const TestService &service, const QString &mobile)
{
    typeInto(window.Frame6()->txtOTP, service.latestOtp(mobile));
    window.Frame6()->Command4->click();
}

bool open(const std::function<void(FrmSignUp &)> &script)
{
    // The script runs once the window is open and modal, while the code under test sits
    // in SignUp(); a window still open after it (or after a failed check) is closed.
    // It waits for the window to be the active one too, as focus moves without entering or
    // leaving the boxes before that (on a platform that never activates it, two seconds).
    bool ran = false;
    int polls = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *window = qobject_cast<FrmSignUp *>(QApplication::activeModalWidget());
        if (!window || ran || (!window->isActiveWindow() && ++polls < 200))
            return;
        ran = true;
        poll.stop();
        const QPointer<FrmSignUp> shown(window);
        script(*window);
        if (shown && shown->isVisible())
            shown->close();
    });
    poll.start(10);
    clsVelmoITNet22SU api;
    const bool result = api.SignUp(QString(), QStringLiteral("Velmo IT Test"));
    // A script that never ran checked nothing: the test fails rather than pass unseen.
    if (!ran)
        QTest::qFail("the window never opened", __FILE__, __LINE__);
    return result;
}

void registerAccount(TestService &service, const QString &mobile, const QString &password)
{
    // The row it writes lands in the fixture's own database, gone with it.
    AccountFixture elsewhere;
    const CallOutcome created = elsewhere.signUp(validSignUp(mobile, password), service);
    QVERIFY2(created.succeeded, qPrintable(created.message));
}

} // namespace SignInSession
