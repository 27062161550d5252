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

AccountServiceCalls::AccountServiceCalls(HttpTransport &transport, AccountRecords &records)
    : m_transport(transport), m_records(records)
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
    m_reply = CallReply();
    const std::optional<QString> reply = m_transport.post(secureBaseUrl() + path, body.toUtf8());
    if (!reply) {
        CallOutcome replaced;
        replaced.superseded = true;
        return replaced;
    }
    m_reply.text = *reply;
    QString &text = *m_reply.text;
    if (text.isEmpty() && emptyReplyIsTimeOut)
        return failed(timeOutMessage, noReplyIcon);

    const std::optional<qint16> status =
        isCompleteJsonObject(text) ? ExtractJsonInteger<qint16>(text, QStringLiteral("status"))
                                   : std::nullopt;
    if (!status) {
        const bool timedOut = text.isEmpty() || text == HttpTransport::timedOutText;
        return failed(timedOut ? timeOutMessage : unreadableReplyMessage, noReplyIcon);
    }
    m_reply.status = *status;
    if (*status != 1) {
        const QString errors = ExtractJsonValue(text, QStringLiteral("errors")).value_or(QString());
        CallOutcome refusal = failed(errors, CallOutcome::Icon::Exclamation, onRefusal);
        refusal.refused = true;
        return refusal;
    }
    return std::nullopt;
}

std::optional<qint32> AccountServiceCalls::readId(const QString &key)
{
    return ExtractJsonInteger<qint32>(*m_reply.text, key);
}

CallOutcome AccountServiceCalls::ApiLogin(const AccountDetails &login)
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(login.mobile))
        .add(QStringLiteral("mac_address"), trimBlanks(m_records.machineAddress()))
        .add(QStringLiteral("password"), trimBlanks(login.password));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/login"), body,
                          CallOutcome::Icon::Exclamation, true, CallOutcome::Next::Stay)) {
        if (ended->refused)
            mdlPublicVar::hostContext().IsSignedIn = false;
        return *ended;
    }
    m_reply.login = ReadLoginToken(m_records, login.mobile, *m_reply.text);
    m_records.SaveLoginAccount(login, m_reply.login->token, m_reply.login->check);
    mdlPublicVar::hostContext().IsSignedIn = true;
    return succeeded(CallOutcome::Next::CloseSignedIn);
}

CallOutcome AccountServiceCalls::ApiSendOtpSignup(const QString &mobile, const QString &email)
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(mobile))
        .add(QStringLiteral("email"), trimBlanks(email));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/send-otp-signup"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    if (!otpId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_reply.otpVerificationId = *otpId;
    return succeeded(CallOutcome::Next::ShowOtpPanel);
}

CallOutcome AccountServiceCalls::ApiSignup(const AccountDetails &account, qint32 otpVerificationId)
{
    JsonRequestBody body;
    body.add(QStringLiteral("otp_verification_id"), QString::number(otpVerificationId))
        .add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(account.mobile))
        .add(QStringLiteral("email"), trimBlanks(account.email))
        .add(QStringLiteral("full_name"), trimBlanks(account.fullName))
        .add(QStringLiteral("password"), trimBlanks(account.password))
        .add(QStringLiteral("password_confirmation"), trimBlanks(account.confirmedPassword))
        .add(QStringLiteral("utm_source"),
             QStringLiteral("VelmoIT-") + mdlPublicVar::hostContext().IT_Ver)
        .add(QStringLiteral("mac_address"), trimBlanks(m_records.machineAddress()))
        .add(QStringLiteral("organization_name"), trimBlanks(account.firmName))
        .add(QStringLiteral("organization_type"),
             account.firmOption == 1 ? QStringLiteral("CA") : QStringLiteral("CORPORATE"))
        .add(QStringLiteral("pincode"), trimBlanks(account.pinCode));
    // An empty reply reaches the status check here and is reported there.
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/signup"), body,
                          CallOutcome::Icon::Critical, false, CallOutcome::Next::Stay))
        return *ended;
    m_records.SaveSignupAccount(account);
    return succeeded(CallOutcome::Next::ShowLoginPanel);
}

CallOutcome AccountServiceCalls::ApiVerifyOtp(const QString &mobile, qint32 otpVerificationId,
                                              const QString &otp)
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(mobile))
        .add(QStringLiteral("otp_verification_id"), QString::number(otpVerificationId))
        .add(QStringLiteral("otp"), trimBlanks(otp));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/verify-otp"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::FocusOtpInput))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    if (!otpId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_reply.otpVerificationId = *otpId;
    return succeeded(CallOutcome::Next::OtpAccepted);
}

CallOutcome AccountServiceCalls::ApiSendOtpForgotPassword(const QString &mobile)
{
    JsonRequestBody body;
    body.add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(mobile));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/send-otp-forgot-password"),
                          body, CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    const std::optional<qint32> otpId = readId(QStringLiteral("otp_verification_id"));
    const std::optional<qint32> userId = readId(QStringLiteral("user_id"));
    if (!otpId || !userId)
        return failed(unreadableReplyMessage, CallOutcome::Icon::Critical);
    m_reply.otpVerificationId = *otpId;
    m_reply.userId = *userId;
    return succeeded(CallOutcome::Next::ShowOtpPanel);
}

CallOutcome AccountServiceCalls::ApiUpdateForgotPassword(const NewPassword &reset,
                                                         qint32 otpVerificationId,
                                                         qint32 resetUserId)
{
    JsonRequestBody body;
    body.add(QStringLiteral("otp_verification_id"), QString::number(otpVerificationId))
        .add(QStringLiteral("auth_user_id"), QString::number(resetUserId))
        .add(QStringLiteral("country_code"), countryCode)
        .add(QStringLiteral("mobile_no"), trimBlanks(reset.mobile))
        .add(QStringLiteral("password"), trimBlanks(reset.password))
        .add(QStringLiteral("password_confirmation"), trimBlanks(reset.confirmation));
    if (auto ended = send(QStringLiteral("/api/service/v1/auth/user/update-forgot-password"), body,
                          CallOutcome::Icon::Critical, true, CallOutcome::Next::Stay))
        return *ended;
    m_records.UpdateAccountPassword(reset);
    return succeeded(CallOutcome::Next::ShowLoginPanel);
}
