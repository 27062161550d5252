#include "Walkthrough.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QUrlQuery>

#include <VelmoITNet22SU/clsVelmoITNet22SU.h>

#include "controls/input/TextOrv.h"
#include "service/DeploymentConfig.h"
#include "service/HttpGetText.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/FrmSignUp.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignUpPanel.h"

namespace
{

const QString firstPassword = QStringLiteral("Demo#Pass2026");
const QString passwordAfterReset = QStringLiteral("Fresh@Pass2027");

// The service keeps its accounts between runs, so every run signs up a number of its own.
QString newMobileNumber()
{
    return QStringLiteral("98%1").arg(QDateTime::currentSecsSinceEpoch() % 100000000, 8, 10,
                                      QChar(u'0'));
}

void type(TextOrv *input, const QString &text)
{
    input->setFocus();
    input->letText(text);
}

} // namespace

Walkthrough::Walkthrough(clsVelmoITNet22SU &api, const QString &screenshotFolder, QTextStream &out)
    : m_api(api), m_folder(screenshotFolder), m_out(out), m_mobile(newMobileNumber())
{
    m_folder.mkpath(QStringLiteral("."));
    // A message box during the walkthrough is reported and answered, never left open.
    m_messageWatch.setInterval(50);
    connect(&m_messageWatch, &QTimer::timeout, this, &Walkthrough::answerMessageBox);
}

bool Walkthrough::run()
{
    m_messageWatch.start();
    m_out << "walkthrough with mobile number " << m_mobile << ", screenshots in "
          << m_folder.absolutePath() << Qt::endl;
    const bool signedIn = openWindow([this](FrmSignUp &window) {
        signUp(window);
        logInRemembered(window);
    });
    m_out << "SignUp returned " << (signedIn ? "True" : "False") << Qt::endl;
    m_allPassed = m_allPassed && signedIn;
    const bool signedInAgain = openWindow([this](FrmSignUp &window) {
        checkRemembered(window);
        resetPassword(window);
    });
    m_out << "SignUp returned " << (signedInAgain ? "True" : "False") << Qt::endl;
    m_messageWatch.stop();
    return m_allPassed && signedInAgain;
}

bool Walkthrough::openWindow(const std::function<void(FrmSignUp &)> &script)
{
    QTimer poll;
    poll.setInterval(20);
    // The script waits until the window is also the active one: before that, focus moves
    // without entering or leaving the boxes, and a busy machine would get other pictures.
    // A platform that never activates it gets the script after two seconds all the same.
    int polls = 0;
    connect(&poll, &QTimer::timeout, this, [&poll, &polls, &script] {
        auto *window = qobject_cast<FrmSignUp *>(QApplication::activeModalWidget());
        if (!window || (!window->isActiveWindow() && ++polls < 100))
            return;
        poll.stop();
        script(*window);
        // A step that did not end the window's session leaves it open: close it.
        if (window->isVisible())
            window->close();
    });
    poll.start();
    return m_api.SignUp(QApplication::applicationDirPath(), QStringLiteral("Velmo IT Demo"));
}

void Walkthrough::step(FrmSignUp &window, const QString &name, bool passed, const QString &outcome)
{
    ++m_steps;
    m_allPassed = m_allPassed && passed;
    QApplication::processEvents();
    const QString file = QStringLiteral("%1-%2.png").arg(m_steps, 2, 10, QChar(u'0')).arg(name);
    window.grab().save(m_folder.filePath(file));
    m_out << QStringLiteral("%1 %2. %3: %4 [%5]")
                 .arg(passed ? QStringLiteral("ok  ") : QStringLiteral("FAIL"))
                 .arg(m_steps, 2)
                 .arg(name, outcome, file)
          << Qt::endl;
}

QString Walkthrough::latestCode() const
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("mobile_no"), m_mobile);
    const QString reply = HttpGetText(DeploymentConfig::accountServiceBaseUrl() +
                                      QStringLiteral("/dev/outbox?") + query.toString());
    return QJsonDocument::fromJson(reply.toUtf8()).object().value(QStringLiteral("otp")).toString();
}

void Walkthrough::answerMessageBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    m_out << "     message: " << box->text() << Qt::endl;
    m_allPassed = false;
    box->accept();
}

void Walkthrough::signUp(FrmSignUp &window)
{
    // On a machine that has signed in before, the window opens on the login screen.
    if (!window.Frame1()->isVisible())
        window.Frame5()->Command2->click();
    SignUpPanel &form = *window.Frame1();
    type(form.TxtName, QStringLiteral("Asha Verma"));
    type(form.TxtFirmName, QStringLiteral("Verma & Associates"));
    type(form.TxtMobileNo, m_mobile);
    type(form.TxtEmail, QStringLiteral("asha.verma@example.in"));
    type(form.TxtPassword, firstPassword);
    type(form.TxtConfirmPassword, firstPassword);
    type(form.txtPinCode, QStringLiteral("560001"));
    form.Opt1->setChecked(true);
    step(window, QStringLiteral("sign-up-form"), form.isVisible(), QStringLiteral("form filled"));

    form.CmdSubmit->click();
    OtpPanel &otp = *window.Frame6();
    step(window, QStringLiteral("code-sent"), otp.isVisible(),
         otp.LblMobileNp->text() + QStringLiteral(", ") + otp.Command3->text());

    const QString code = latestCode();
    type(otp.txtOTP, code);
    step(window, QStringLiteral("code-typed"), code.size() == 6,
         QStringLiteral("code read from the service's outbox"));

    otp.Command4->click();
    step(window, QStringLiteral("account-created"), window.Frame5()->isVisible(),
         QStringLiteral("back on \"%1\", resend button \"%2\"")
             .arg(window.windowTitle(), otp.Command3->text()));
}

void Walkthrough::logInRemembered(FrmSignUp &window)
{
    LoginPanel &login = *window.Frame5();
    type(login.TxtMobile1, m_mobile);
    type(login.TxtPassword2, firstPassword);
    login.chkRememberMe->setChecked(true);
    step(window, QStringLiteral("login-remember-me"), login.isVisible(),
         QStringLiteral("number and password typed, Remember Me ticked"));
    login.CmdLogin->click();
    m_out << "     LOGIN clicked: the window " << (window.isVisible() ? "stayed open" : "closed")
          << Qt::endl;
}

void Walkthrough::checkRemembered(FrmSignUp &window)
{
    LoginPanel &login = *window.Frame5();
    const bool remembered = login.isVisible() && login.TxtMobile1->Text() == m_mobile &&
                            login.chkRememberMe->isChecked() &&
                            !login.TxtPassword2->Text().isEmpty();
    step(window, QStringLiteral("remembered"), remembered,
         QStringLiteral("opened again: number %1 filled in, Remember Me ticked")
             .arg(login.TxtMobile1->Text()));
}

void Walkthrough::resetPassword(FrmSignUp &window)
{
    window.Frame5()->CmdForgatPassord->click();
    ForgotPasswordPanel &forgot = *window.Frame7();
    type(forgot.Text1, m_mobile);
    step(window, QStringLiteral("forgot-password"), forgot.isVisible(), window.windowTitle());

    forgot.Command5->click();
    OtpPanel &otp = *window.Frame6();
    type(otp.txtOTP, latestCode());
    step(window, QStringLiteral("reset-code"), otp.isVisible(),
         QStringLiteral("reset code sent to ") + otp.LblMobileNp->text());

    otp.Command4->click();
    NewPasswordPanel &fresh = *window.Frame8();
    type(fresh.txtForPass, passwordAfterReset);
    type(fresh.txtForConPass, passwordAfterReset);
    step(window, QStringLiteral("new-password"), fresh.isVisible(),
         QStringLiteral("code accepted, new password typed twice"));

    fresh.Command8->click();
    LoginPanel &login = *window.Frame5();
    step(window, QStringLiteral("password-changed"), login.isVisible(),
         QStringLiteral("back on \"%1\"").arg(window.windowTitle()));

    type(login.TxtMobile1, m_mobile);
    type(login.TxtPassword2, passwordAfterReset);
    login.CmdLogin->click();
    m_out << "     LOGIN with the new password: the window "
          << (window.isVisible() ? "stayed open" : "closed") << Qt::endl;
}
