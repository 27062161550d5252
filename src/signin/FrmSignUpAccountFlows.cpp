#include "signin/FrmSignUp.h"

#include <QLabel>
#include <QScopeGuard>

#include "controls/input/TextOrv.h"
#include "platform/TextRules.h"
#include "platform/Twips.h"
#include "service/AccountServiceCalls.h"
#include "signin/ForgotPasswordPanel.h"
#include "signin/NewPasswordPanel.h"
#include "signin/OtpPanel.h"
#include "signin/ResendCountdown.h"
#include "signin/SignInChecks.h"
#include "signin/SignInTheme.h"
#include "signin/SignUpPanel.h"

// The flows that create an account or reset its password: sending a one-time password,
// verifying it, and what follows an accepted code.

namespace
{

QString sentToCaption(const QString &mobile)
{
    return QStringLiteral("(+91 ") + mobile + QStringLiteral(")");
}

} // namespace

void FrmSignUp::CmdSubmit_Click()
{
    guarded([this] {
        if (!SignInChecks::ValidateSignUpForm(*m_signUp, m_messages))
            return;
        m_otp->LblMobileNp->setText(sentToCaption(m_signUp->TxtMobileNo->Text()));
        if (!call([this](AccountServiceCalls &calls) {
                 return calls.ApiSendOtpSignup(m_values.TxtMobileNo, m_values.TxtEmail);
             }).succeeded)
            return;
        // A reset given up earlier in this window must not turn this code into a reset.
        m_values.ResetUserId = 0;
        showCodePanel(Transition::CodeSentForSignUp);
    });
}

void FrmSignUp::showCodePanel(Transition transition)
{
    // The code panel is as wide as the window it widens to.
    m_otp->resize(Twips::toPixels(SignInTheme::otpWidth, *this), m_otp->height());
    showScreen(transition);
    m_countdown->startAfterSend();
}

void FrmSignUp::Command4_Click()
{
    guarded([this] {
        TextOrv *const code = m_otp->txtOTP;
        if (code->Text().size() != 6) {
            m_messages.critical(tr("OTP should be 6 digits."));
            code->setFocus();
            return;
        }
        if (!TextRules::isNumeric(code->Text())) {
            m_messages.critical(tr("Please enter valid OTP"));
            code->setFocus();
            return;
        }
        const CallOutcome verified = call([this](AccountServiceCalls &calls) {
            const QString &mobile =
                m_values.ResetUserId != 0 ? m_values.Text1 : m_values.TxtMobileNo;
            return calls.ApiVerifyOtp(mobile, m_values.OtpVerificationId, m_values.txtOTP);
        });
        if (verified.next == CallOutcome::Next::FocusOtpInput)
            code->setFocus();
        if (verified.refused && m_values.ReplyStatus != 0)
            m_messages.critical(AccountServiceCalls::timeOutMessage);
        // No reply, or one that could not be read, says nothing about the code: the
        // panel stays so the user can try again.
        if (!verified.succeeded)
            return;
        if (m_values.ResetUserId >= 1)
            showScreen(Transition::ResetCodeAccepted);
        else
            createAccount();
    });
}

void FrmSignUp::createAccount()
{
    if (!call([this](AccountServiceCalls &calls) {
             return calls.ApiSignup(accountDetails(false), m_values.OtpVerificationId);
         }).succeeded)
        return;
    showScreen(Transition::AccountCreated);
    m_countdown->stop();
}

void FrmSignUp::Command5_Click()
{
    guarded([this] {
        m_otp->LblMobileNp->setText(sentToCaption(m_forgot->Text1->Text()));
        if (call([this](AccountServiceCalls &calls) {
                return calls.ApiSendOtpForgotPassword(m_values.Text1);
            }).succeeded)
            showCodePanel(Transition::CodeSentForReset);
    });
}

void FrmSignUp::Command8_Click()
{
    guarded([this] {
        if (!SignInChecks::ValidatePasswordFormat(*m_newPassword->txtForPass, m_messages) ||
            !SignInChecks::ValidatePasswordFormat(*m_newPassword->txtForConPass, m_messages))
            return;
        if (m_newPassword->txtForPass->Text() != m_newPassword->txtForConPass->Text()) {
            m_messages.critical(tr("Password and confirm password does not match."));
            return;
        }
        // Once the service has taken the new password the window is back on the login
        // panel, also when the local copy of the password then fails to store: that
        // failure is reported over the login panel.
        m_values.ReplyStatus = 0;
        const auto loginOnceAccepted = qScopeGuard([this] {
            if (m_values.ReplyStatus == 1)
                showScreen(Transition::PasswordChanged);
        });
        call([this](AccountServiceCalls &calls) {
            return calls.ApiUpdateForgotPassword(
                {m_values.Text1, m_values.txtForPass, m_values.txtForConPass},
                m_values.OtpVerificationId, m_values.ResetUserId);
        });
    });
}
