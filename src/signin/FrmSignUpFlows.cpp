#include "signin/FrmSignUp.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QRadioButton>
#include <QScopeGuard>

#include "controls/input/TextOrv.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "service/StoredToken.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/LoginPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/SignInChecks.h"
#include "signin/SignUpPanel.h"
#include "store/AccountRecords.h"
#include "store/HostContext.h"
#include "store/ShortDate.h"

// The flows behind the window's buttons: what each click checks, stores and asks
// of the account service.

namespace
{

constexpr int replyTimeoutSeconds = 60;

// Marks a request as waiting and shows the busy pointer meanwhile; the window still
// handles events during the wait.
class PendingRequest
{
public:
    explicit PendingRequest(int &count) : m_count(count)
    {
        ++m_count;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~PendingRequest()
    {
        QApplication::restoreOverrideCursor();
        --m_count;
    }
    PendingRequest(const PendingRequest &) = delete;
    PendingRequest &operator=(const PendingRequest &) = delete;

private:
    int &m_count;
};

} // namespace

void FrmSignUp::captureInputs()
{
    m_values.TxtMobile1 = m_login->TxtMobile1->Text();
    m_values.TxtPassword2 = m_login->TxtPassword2->Text();
    m_values.chkRememberMe = m_login->chkRememberMe->isChecked() ? 1 : 0;
    m_values.TxtName = m_signUp->TxtName->Text();
    m_values.TxtFirmName = m_signUp->TxtFirmName->Text();
    m_values.TxtMobileNo = m_signUp->TxtMobileNo->Text();
    m_values.TxtEmail = m_signUp->TxtEmail->Text();
    m_values.TxtPassword = m_signUp->TxtPassword->Text();
    m_values.TxtConfirmPassword = m_signUp->TxtConfirmPassword->Text();
    m_values.txtPinCode = m_signUp->txtPinCode->Text();
    m_values.Opt1 = m_signUp->Opt1->isChecked();
    m_values.Opt2 = m_signUp->Opt2->isChecked();
    m_values.ChekAgreeOrNot = m_signUp->ChekAgreeOrNot->isChecked() ? 1 : 0;
    m_values.txtOTP = m_otp->txtOTP->Text();
    m_values.Text1 = m_forgot->Text1->Text();
    m_values.txtForPass = m_newPassword->txtForPass->Text();
    m_values.txtForConPass = m_newPassword->txtForConPass->Text();
}

LoginEntry FrmSignUp::loginEntry() const
{
    return {m_values.TxtMobile1, m_values.TxtPassword2, m_values.chkRememberMe == 1};
}

AccountDetails FrmSignUp::accountDetails(bool login) const
{
    AccountDetails account;
    account.fullName = m_values.TxtName;
    account.firmName = m_values.TxtFirmName;
    account.mobile = login ? m_values.TxtMobile1 : m_values.TxtMobileNo;
    account.pinCode = m_values.txtPinCode;
    account.password = login ? m_values.TxtPassword2 : m_values.TxtPassword;
    account.confirmedPassword = login ? m_values.TxtPassword2 : m_values.TxtConfirmPassword;
    account.email = m_values.TxtEmail;
    account.firmOption = m_values.Opt1 ? 1 : (m_values.Opt2 ? 2 : 0);
    account.agreed = m_values.ChekAgreeOrNot;
    return account;
}

void FrmSignUp::keepReply(const CallReply &reply)
{
    if (reply.text)
        m_values.ReplyText = *reply.text;
    if (reply.status)
        m_values.ReplyStatus = *reply.status;
    if (reply.otpVerificationId)
        m_values.OtpVerificationId = *reply.otpVerificationId;
    if (reply.userId)
        m_values.ResetUserId = *reply.userId;
    if (reply.login) {
        m_values.CurrentToken = reply.login->token;
        m_values.CurrentToken1 = reply.login->check;
    }
}

HttpTransport &FrmSignUp::transport()
{
    if (!m_transport)
        m_transport = new HttpTransport(m_network, replyTimeoutSeconds, this);
    return *m_transport;
}

void FrmSignUp::reportOutcome(const CallOutcome &outcome)
{
    // A refusal shows its box even when the service gave no text, so that a click
    // never ends without an answer.
    if (outcome.superseded || (outcome.message.isEmpty() && !outcome.refused))
        return;
    if (outcome.icon == CallOutcome::Icon::Critical)
        m_messages.critical(outcome.message);
    else
        m_messages.exclamation(outcome.message);
}

CallOutcome FrmSignUp::call(const std::function<CallOutcome(AccountServiceCalls &)> &endpoint)
{
    captureInputs();
    AccountRecords records(m_values.MachineAddress, mdlPublicVar::hostContext().CON());
    AccountServiceCalls calls(transport(), records);
    CallOutcome outcome;
    {
        const auto keep = qScopeGuard([&] { keepReply(calls.reply()); });
        const PendingRequest pending(m_requestsPending);
        outcome = endpoint(calls);
    }
    reportOutcome(outcome);
    return outcome;
}

void FrmSignUp::CmdLogin_Click()
{
    guarded([this] {
        if (!SignInChecks::ValidateMobileNo(*m_login->TxtMobile1, m_messages))
            return;
        captureInputs();
        HostContext &host = mdlPublicVar::hostContext();
        AccountRecords records(m_values.MachineAddress, host.CON());
        const LoginEntry login = loginEntry();
        if (!IsStoredTokenValid(records, login.mobile))
            host.IsSignedIn = false;

        if (records.FindAccount(login.mobile).isEmpty())
            records.AddLoginAccount(login, m_values.CurrentToken);
        const QList<AccountRow> found = records.FindAccount(login.mobile);
        if (!found.isEmpty()) {
            records.SaveRememberChoice(login);
            // A remembered login keeps the date of the first one, so the 30 days
            // do not restart at every login.
            const bool keepDate =
                login.remember && ShortDate::parse(found.first().SignInDate).isValid();
            if (!keepDate)
                records.StampSignInDate(login.mobile, login.remember);
            records.ForgetOtherAccounts(login.mobile);
        }

        if (call([this](AccountServiceCalls &calls) {
                return calls.ApiLogin(accountDetails(true));
            }).succeeded)
            accept();
    });
}

void FrmSignUp::closeEvent(QCloseEvent *event)
{
    // A request still waiting is dropped: its handler then returns without touching
    // the window, and the window closes without signing in.
    if (m_requestsPending > 0) {
        delete m_transport;
        m_transport = nullptr;
    }
    QDialog::closeEvent(event);
}
