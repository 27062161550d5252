#include "AccountService.h"

#include "AccountStore.h"
#include "FieldErrors.h"
#include "FieldRules.h"
#include "Outbox.h"
#include "PasswordHasher.h"
#include "RequestFields.h"
#include "ServiceClock.h"
#include "TokenIssuer.h"

#include <QRandomGenerator>

#include <cstdio>

namespace
{

using Handler = ServiceReply (AccountService::*)(const RequestFields &);

const QString noOtpMessage =
    QStringLiteral("No OTP was sent for this request. Please request a new OTP.");

OrderedJsonObject passwordChangedReply()
{
    OrderedJsonObject reply;
    reply.add("message", "Your password has been changed. Please sign in.");
    return reply;
}

QString newOtpCode()
{
    return QStringLiteral("%1").arg(QRandomGenerator::system()->bounded(1000000), 6, 10,
                                    QLatin1Char('0'));
}

} // namespace

AccountService::AccountService(AccountStore &store, const Outbox &outbox,
                               const PasswordHasher &hasher, const TokenIssuer &tokens,
                               const ServiceClock &clock, qint64 otpLifetimeSeconds)
    : m_store(store), m_outbox(outbox), m_hasher(hasher), m_tokens(tokens), m_clock(clock),
      m_otpLifetimeSeconds(otpLifetimeSeconds)
{
}

bool AccountService::isEndpoint(const QString &name)
{
    static const QStringList names{
        "login",      "send-otp-signup",          "signup",
        "verify-otp", "send-otp-forgot-password", "update-forgot-password"};
    return names.contains(name);
}

ServiceReply AccountService::handle(const QString &name, const RequestFields &fields)
{
    static const QHash<QString, Handler> handlers{
        {"login", &AccountService::login},
        {"send-otp-signup", &AccountService::sendOtpSignup},
        {"signup", &AccountService::signup},
        {"verify-otp", &AccountService::verifyOtp},
        {"send-otp-forgot-password", &AccountService::sendOtpForgotPassword},
        {"update-forgot-password", &AccountService::updateForgotPassword},
    };
    return (this->*handlers.value(name))(fields);
}

ServiceReply AccountService::login(const RequestFields &fields)
{
    FieldErrors errors;
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    FieldRules::checkPresent(fields, errors, "password", "password");
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);

    UserAccount *user = m_store.userByMobile(fields.text("mobile_no"));
    if (!user)
        return ServiceReply::refusal("mobile_no",
                                     "This mobile number is not registered. Please sign up first.");
    if (!PasswordHasher::matches(*user, fields.text("password")))
        return ServiceReply::refusal("mobile_no", "The password is incorrect.");

    user->macAddress = fields.text("mac_address");
    user->lastLoginAt = m_clock.now();
    const QString token = QString::fromLatin1(
        m_tokens.issue(user->id, user->mobileNo, user->macAddress, user->lastLoginAt));
    OrderedJsonObject reply;
    reply.add("message", "Signed in.")
        .add("user_id", user->id)
        .add("access_token", token)
        .add("token_type", "Bearer")
        .add("token", token);
    return saved(ServiceReply::success(reply));
}

ServiceReply AccountService::sendOtpSignup(const RequestFields &fields)
{
    FieldErrors errors;
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    FieldRules::checkEmail(fields, errors);
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);
    if (m_store.userByMobile(fields.text("mobile_no")))
        return ServiceReply::refusal("mobile_no",
                                     "This mobile number is already registered. Please sign in.");
    return sendOtp(OneTimePassword::Purpose::SignUp, fields, 0, {});
}

ServiceReply AccountService::signup(const RequestFields &fields)
{
    FieldErrors errors;
    const int otpId =
        FieldRules::checkId(fields, errors, "otp_verification_id", "OTP verification id");
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    FieldRules::checkEmail(fields, errors);
    FieldRules::checkPresent(fields, errors, "full_name", "full name");
    FieldRules::checkNewPassword(fields, errors);
    FieldRules::checkPresent(fields, errors, "organization_name", "firm name");
    FieldRules::checkOrganizationType(fields, errors);
    FieldRules::checkPincode(fields, errors);
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);

    const QString mobileNo = fields.text("mobile_no");
    if (m_store.userByMobile(mobileNo))
        return ServiceReply::refusal("mobile_no",
                                     "This mobile number is already registered. Please sign in.");
    OneTimePassword *otp = m_store.otpById(otpId);
    const QString reason = unusableOtpReason(otp, OneTimePassword::Purpose::SignUp, mobileNo, true);
    if (!reason.isEmpty())
        return ServiceReply::refusal("mobile_no", reason);

    UserAccount user;
    user.countryCode = fields.text("country_code");
    user.mobileNo = mobileNo;
    user.email = fields.text("email");
    user.fullName = fields.text("full_name");
    user.organizationName = fields.text("organization_name");
    user.organizationType = fields.text("organization_type");
    user.pincode = fields.text("pincode");
    user.utmSource = fields.text("utm_source");
    user.macAddress = fields.text("mac_address");
    user.createdAt = m_clock.now();
    m_hasher.setPassword(user, fields.text("password"));
    const int userId = m_store.addUser(user).id;
    otp->consumed = true;

    OrderedJsonObject reply;
    reply.add("message", "Your account has been created. Please sign in.").add("user_id", userId);
    return saved(ServiceReply::success(reply));
}

ServiceReply AccountService::verifyOtp(const RequestFields &fields)
{
    FieldErrors errors;
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    const int otpId =
        FieldRules::checkId(fields, errors, "otp_verification_id", "OTP verification id");
    FieldRules::checkOtpCode(fields, errors);
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);

    OneTimePassword *otp = m_store.otpById(otpId);
    const QString mobileNo = fields.text("mobile_no");
    if (!otp)
        return ServiceReply::refusal("mobile_no", noOtpMessage);
    // A verified code may be verified again (a retry after a lost reply) until it is used.
    const QString reason = unusableOtpReason(otp, otp->purpose, mobileNo, false);
    if (!reason.isEmpty())
        return ServiceReply::refusal("mobile_no", reason);

    if (OneTimePassword::digestOf(otp->id, fields.text("otp")) != otp->codeDigest) {
        ++otp->wrongTries;
        const int left = maximumWrongOtpTries - otp->wrongTries;
        const QString message =
            left > 0 ? QStringLiteral("The OTP is incorrect. %1 %2 left.")
                           .arg(left)
                           .arg(left == 1 ? "attempt" : "attempts")
                     : QStringLiteral("The OTP is incorrect. Too many wrong attempts: please "
                                      "request a new OTP.");
        return saved(ServiceReply::refusal("mobile_no", message));
    }
    otp->verified = true;
    OrderedJsonObject reply;
    reply.add("message", "OTP verified.").add("otp_verification_id", otp->id);
    return saved(ServiceReply::success(reply));
}

ServiceReply AccountService::sendOtpForgotPassword(const RequestFields &fields)
{
    FieldErrors errors;
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);
    const UserAccount *user = m_store.userByMobile(fields.text("mobile_no"));
    if (!user)
        return ServiceReply::refusal("mobile_no", "This mobile number is not registered.");
    OrderedJsonObject leading;
    leading.add("user_id", user->id);
    return sendOtp(OneTimePassword::Purpose::PasswordReset, fields, user->id, leading);
}

ServiceReply AccountService::updateForgotPassword(const RequestFields &fields)
{
    FieldErrors errors;
    const int otpId =
        FieldRules::checkId(fields, errors, "otp_verification_id", "OTP verification id");
    const int userId = FieldRules::checkId(fields, errors, "auth_user_id", "user id");
    FieldRules::checkCountryCode(fields, errors);
    FieldRules::checkMobileNo(fields, errors);
    FieldRules::checkNewPassword(fields, errors);
    if (!errors.isEmpty())
        return ServiceReply::refusal(errors);

    const QString mobileNo = fields.text("mobile_no");
    OneTimePassword *otp = m_store.otpById(otpId);
    // The same reset asked for again (its reply was lost on the way) gets the same
    // answer, not a refusal that would leave the user unsure which password holds.
    if (otp && otp->consumed && otp->purpose == OneTimePassword::Purpose::PasswordReset &&
        otp->mobileNo == mobileNo && otp->userId == userId && m_clock.now() < otp->expiresAt) {
        const UserAccount *user = m_store.userById(userId);
        if (user && PasswordHasher::matches(*user, fields.text("password")))
            return ServiceReply::success(passwordChangedReply());
    }
    const QString reason =
        unusableOtpReason(otp, OneTimePassword::Purpose::PasswordReset, mobileNo, true);
    if (!reason.isEmpty())
        return ServiceReply::refusal("mobile_no", reason);
    UserAccount *user = m_store.userById(userId);
    if (!user || user->mobileNo != mobileNo || otp->userId != userId)
        return ServiceReply::refusal(
            "mobile_no", "This password reset does not match the account. Please start again.");

    m_hasher.setPassword(*user, fields.text("password"));
    otp->consumed = true;
    return saved(ServiceReply::success(passwordChangedReply()));
}

ServiceReply AccountService::sendOtp(OneTimePassword::Purpose purpose, const RequestFields &fields,
                                     int userId, const OrderedJsonObject &leadingMembers)
{
    const QString code = newOtpCode();
    OneTimePassword otp;
    otp.purpose = purpose;
    otp.mobileNo = fields.text("mobile_no");
    otp.userId = userId;
    const qint64 sentAt = m_clock.now();
    otp.expiresAt = sentAt + m_otpLifetimeSeconds;
    OneTimePassword &added = m_store.addOtp(otp, sentAt);
    added.codeDigest = OneTimePassword::digestOf(added.id, code);

    if (!persist())
        return storeFailure();
    const QString purposeName =
        purpose == OneTimePassword::Purpose::SignUp ? "signup" : "password-reset";
    QString error;
    if (!m_outbox.send(fields.text("country_code"), {otp.mobileNo, code, added.id, purposeName},
                       &error)) {
        std::fprintf(stderr, "velmo-account-service: %s\n", qPrintable(error));
        return ServiceReply::refusal("mobile_no", "The OTP could not be sent. Please try again.",
                                     500);
    }
    std::printf("OTP for %s: %s\n", qPrintable(otp.mobileNo), qPrintable(code));
    std::fflush(stdout);

    OrderedJsonObject reply = leadingMembers;
    reply.add("message", "An OTP has been sent to your mobile number.")
        .add("otp_verification_id", added.id);
    return ServiceReply::success(reply);
}

QString AccountService::unusableOtpReason(const OneTimePassword *otp,
                                          OneTimePassword::Purpose purpose, const QString &mobileNo,
                                          bool mustBeVerified) const
{
    if (!otp || otp->purpose != purpose || otp->mobileNo != mobileNo)
        return noOtpMessage;
    if (otp->consumed)
        return QStringLiteral("This OTP has already been used. Please request a new OTP.");
    if (otp->wrongTries >= maximumWrongOtpTries)
        return QStringLiteral("Too many wrong attempts. Please request a new OTP.");
    if (m_clock.now() >= otp->expiresAt)
        return QStringLiteral("The OTP has expired. Please request a new OTP.");
    if (mustBeVerified && !otp->verified)
        return QStringLiteral("Please verify the OTP sent to your mobile number first.");
    return {};
}

bool AccountService::persist()
{
    QString error;
    if (m_store.save(&error))
        return true;
    std::fprintf(stderr, "velmo-account-service: %s\n", qPrintable(error));
    return false;
}

ServiceReply AccountService::storeFailure()
{
    return ServiceReply::refusal("mobile_no",
                                 "The service could not save your change. Please try again.", 500);
}

ServiceReply AccountService::saved(const ServiceReply &reply)
{
    return persist() ? reply : storeFailure();
}
