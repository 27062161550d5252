#include "service/AccountServiceCalls.h"

#include <QUrl>

#include "platform/TextRules.h"
#include "service/DeploymentConfig.h"
#include "service/HttpTransport.h"
#include "service/JsonRequestBody.h"
#include "service/JsonText.h"
#include "service/ServiceError.h"
#include "service/StoredToken.h"
#include "store/AccountRecords.h"
#include "store/HostContext.h"
#include "store/SignInValues.h"

namespace
{

const QString countryCode = QStringLiteral("+91");

using TextRules::trimBlanks;

// Passwords and tokens travel in the request: never to anything but HTTPS.
QString secureBaseUrl()
{
    const QString base = DeploymentConfig::accountServiceBaseUrl();
    const QUrl url(base);
    if (url.scheme() != QLatin1String("https") || url.host().isEmpty())
        throw ServiceError(QStringLiteral("The account service address \"%1\" is not an HTTPS "
                                          "address. Nothing was sent.")
                               .arg(base));
    return base;
}

CallOutcome succeeded(CallOutcome::Next next)
{
    CallOutcome outcome;
    outcome.succeeded = true;
    outcome.next = next;
    return outcome;
}

} // namespace

AccountServiceCalls::AccountServiceCalls(HttpTransport &transport, AccountRecords &records,
                                         SignInValues &window)
    : m_transport(transport), m_records(records), m_window(window)
{
}

CallOutcome AccountServiceCalls::failed(const QString &message, CallOutcome::Icon icon,
                                        CallOutcome::Next next)
{
    CallOutcome outcome;
    outcome.message = message;
    outcome.icon = icon;
    outcome.next = next;
    return outcome;
}

std::optional<CallOutcome> AccountServiceCalls::send(const QString &path,
                                                     const JsonRequestBody &body,
                                                     CallOutcome::Icon noReplyIcon,
                                                     bool emptyReplyIsTimeOut,
                                                     CallOutcome::Next onRefusal)
{
    const std::optional<QString> reply = m_transport.post(secureBaseUrl() + path, body.toUtf8());
    if (!reply) {
        CallOutcome replaced;
        replaced.superseded = true;
        return replaced;
    }
    m_window.ReplyText = *reply;
    if (m_window.ReplyText.isEmpty() && emptyReplyIsTimeOut)
        return failed(timeOutMessage, noReplyIcon);

    const std::optional<qint16> status =
        isCompleteJsonObject(m_window.ReplyText)
            ? ExtractJsonInteger<qint16>(m_window.ReplyText, QStringLiteral("status"))
            : std::nullopt;
    if (!status) {
        const bool timedOut =
            m_window.ReplyText.isEmpty() || m_window.ReplyText == HttpTransport::timedOutText;
        return failed(timedOut ? timeOutMessage : unreadableReplyMessage, noReplyIcon);
    }
    m_window.ReplyStatus = *status;
    if (*status != 1) {
        const QString errors =
            ExtractJsonValue(m_window.ReplyText, QStringLiteral("errors")).value_or(QString());
        CallOutcome refusal = failed(errors, CallOutcome::Icon::Exclamation, onRefusal);
        refusal.refused = true;
        return refusal;
    }
    return std::nullopt;
}

std::optional<qint32> AccountServiceCalls::readId(const QString &key)
{
    return ExtractJsonInteger<qint32>(m_window.ReplyText, key);
}

CallOutcome AccountServiceCalls::ApiLogin()
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(m_window.TxtMobile1))
        .add(QStringLiteral("mac_address"), trimBlanks(m_window.MachineAddress))
        .add(QStringLiteral("password"), trimBlanks(m_window.TxtPassword2));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/login"), body,
                          CallOutcome::Icon::Exclamation, true, CallOutcome::Next::Stay)) {
        if (ended->refused)
            mdlPublicVar::hostContext().IsSignedIn = false;
        return *ended;
    }
    SaveLoginReply(m_records, m_window, m_window.ReplyText);
    mdlPublicVar::hostContext().IsSignedIn = true;
    return succeeded(CallOutcome::Next::CloseSignedIn);
}

CallOutcome AccountServiceCalls::ApiSendOtpSignup()
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(m_window.TxtMobileNo))
        .add(QStringLiteral("email"), trimBlanks(m_window.TxtEmail));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/send-otp-signup"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    if (!otpId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_window.OtpVerificationId = *otpId;
    return succeeded(CallOutcome::Next::ShowOtpPanel);
}

CallOutcome AccountServiceCalls::ApiSignup()
{
    JsonRequestBody body;
    body.add(QStringLiteral("otp_verification_id"), QString::number(m_window.OtpVerificationId))
        .add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(m_window.TxtMobileNo))
        .add(QStringLiteral("email"), trimBlanks(m_window.TxtEmail))
        .add(QStringLiteral("full_name"), trimBlanks(m_window.TxtName))
        .add(QStringLiteral("password"), trimBlanks(m_window.TxtPassword))
        .add(QStringLiteral("password_confirmation"), trimBlanks(m_window.TxtConfirmPassword))
        .add(QStringLiteral("utm_source"),
             QStringLiteral("VelmoIT-") + mdlPublicVar::hostContext().IT_Ver)
        .add(QStringLiteral("mac_address"), trimBlanks(m_window.MachineAddress))
        .add(QStringLiteral("organization_name"), trimBlanks(m_window.TxtFirmName))
        .add(QStringLiteral("organization_type"),
             m_window.Opt1 ? QStringLiteral("CA") : QStringLiteral("CORPORATE"))
        .add(QStringLiteral("pincode"), trimBlanks(m_window.txtPinCode));
    // An empty reply reaches the status check here and is reported there.
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/signup"), body,
                          CallOutcome::Icon::Critical, false, CallOutcome::Next::Stay))
        return *ended;
    m_records.SaveSignupAccount();
    return succeeded(CallOutcome::Next::ShowLoginPanel);
}

CallOutcome AccountServiceCalls::ApiVerifyOtp()
{
    const QString mobile = m_window.ResetUserId != 0 ? m_window.Text1 : m_window.TxtMobileNo;
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(mobile))
        .add(QStringLiteral("otp_verification_id"), QString::number(m_window.OtpVerificationId))
        .add(QStringLiteral("otp"), trimBlanks(m_window.txtOTP));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/verify-otp"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::FocusOtpInput))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    if (!otpId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_window.OtpVerificationId = *otpId;
    return succeeded(CallOutcome::Next::OtpAccepted);
}

CallOutcome AccountServiceCalls::ApiSendOtpForgotPassword()
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(m_window.Text1));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/send-otp-forgot-password"),
                          body, CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    const std::optional<qint32> userId = readId(QStringLiteral("user_id"));
    if (!otpId || !userId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_window.OtpVerificationId = *otpId;
    m_window.ResetUserId = *userId;
    return succeeded(CallOutcome::Next::ShowOtpPanel);
}

CallOutcome AccountServiceCalls::ApiUpdateForgotPassword()
{
    JsonRequestBody body;
    body.add(QStringLiteral("otp_verification_id"), QString::number(m_window.OtpVerificationId))
        .add(QStringLiteral("auth_user_id"), QString::number(m_window.ResetUserId))
        .add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(m_window.Text1))
        .add(QStringLiteral("password"), trimBlanks(m_window.txtForPass))
        .add(QStringLiteral("password_confirmation"), trimBlanks(m_window.txtForConPass));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/update-forgot-password"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    m_records.UpdateAccountPassword();
    return succeeded(CallOutcome::Next::ShowLoginPanel);
}
