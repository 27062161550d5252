#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "signin/ScreenTransitions.h"
#include "signin/SignInMessages.h"
#include "signin/SignInValues.h"

struct AccountDetails;
class AccountRecords;
class AccountServiceCalls;
struct CallOutcome;
struct CallReply;
struct LoginEntry;
class ForgotPasswordPanel;
class HttpTransport;
class QNetworkAccessManager;
class LoginPanel;
class NewPasswordPanel;
class OtpPanel;
class QAbstractButton;
struct RememberedAccount;
class ResendCountdown;
class SignUpPanel;
class TextOrv;

// The sign-in window: the coordinator of its five screens. It owns the shared state
// (the window fields, the account rows it reads), runs the start-up, moves between
// the screens and runs the flows behind their buttons. Screens never reach into one
// another; they only hold their controls.
class FrmSignUp : public QDialog
{
    Q_OBJECT

public:
    explicit FrmSignUp(QWidget *parent = nullptr);
    ~FrmSignUp() override;

    // Keeps the application path and name, runs the start-up and shows the window
    // modally with no owner; returns when the window has closed.
    void Menu(const QString &sAppPath, const QString &sAppName);

    // The screens, for the flows and for tests.
    LoginPanel *Frame5() const { return m_login; }
    SignUpPanel *Frame1() const { return m_signUp; }
    OtpPanel *Frame6() const { return m_otp; }
    ForgotPasswordPanel *Frame7() const { return m_forgot; }
    NewPasswordPanel *Frame8() const { return m_newPassword; }

    ResendCountdown *countdown() const { return m_countdown; }
    QWidget *panel(Screen screen) const;

    QString machineAddress() const { return m_values.MachineAddress; }
    bool isOnline() const { return m_isOnline; }
    qint32 ResetUserId() const { return m_values.ResetUserId; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void runStartup();
    void fillRememberedAccount(AccountRecords &records,
                               const QList<RememberedAccount> &remembered);
    void applyColours();
    void applyPasswordRules();
    void layoutPanels();
    void setWidthTwips(int twips);
    void connectControls();
    void acceptDigitsOnly(TextOrv *input);
    void TogglePasswordView(QAbstractButton *button, TextOrv *input);

    // Moves between the screens as the transition's row says.
    void showScreen(Transition transition);
    TextOrv *firstInput(Screen screen) const;
    // A code was sent: the code panel shows and the resend count-down starts.
    void showCodePanel(Transition transition);

    // The flows behind the buttons.
    void CmdLogin_Click();
    void CmdSubmit_Click();
    void Command4_Click();
    void Command5_Click();
    void Command8_Click();
    // Sign-up mode, once the code is accepted: creates the account.
    void createAccount();

    // Copies what the user typed and ticked into the values the store and the
    // service calls are given.
    void captureInputs();
    LoginEntry loginEntry() const;
    // The sign-up screen's boxes, with the number and password of the login screen
    // when login is true.
    AccountDetails accountDetails(bool login) const;
    // Keeps what a call read from its reply in the window's fields.
    void keepReply(const CallReply &reply);
    HttpTransport &transport();
    // Shows the outcome's message box: every failure has one, a refusal even without text.
    void reportOutcome(const CallOutcome &outcome);
    // Runs a service call on what the user typed, with the busy pointer meanwhile, keeps
    // what it read from its reply (also when it throws) and reports its outcome.
    CallOutcome call(const std::function<CallOutcome(AccountServiceCalls &)> &endpoint);

    // Runs a handler; a failure of the database or of the secure connection inside it
    // becomes a message and never leaves the window looking signed in.
    void guarded(const std::function<void()> &handler);

    QString m_appPath;
    SignInMessages m_messages;
    bool m_isOnline = false;
    SignInValues m_values;

    LoginPanel *m_login;
    SignUpPanel *m_signUp;
    OtpPanel *m_otp;
    ForgotPasswordPanel *m_forgot;
    NewPasswordPanel *m_newPassword;
    ResendCountdown *m_countdown;

    QNetworkAccessManager *m_network;
    HttpTransport *m_transport = nullptr;
    int m_requestsPending = 0;
};
