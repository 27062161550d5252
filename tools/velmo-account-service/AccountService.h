#pragma once

#include "OneTimePassword.h"
#include "ServiceReply.h"

#include <QString>

class AccountStore;
class FieldErrors;
class Outbox;
class PasswordHasher;
class RequestFields;
class ServiceClock;
class TokenIssuer;

// The six authentication operations, from request members to reply, with the rules
// of the accounts they keep. Knows nothing of HTTP.
class AccountService
{
public:
    static constexpr int maximumWrongOtpTries = 5;

    AccountService(AccountStore &store, const Outbox &outbox, const PasswordHasher &hasher,
                   const TokenIssuer &tokens, const ServiceClock &clock, qint64 otpLifetimeSeconds);

    static bool isEndpoint(const QString &name);
    // name is the last segment of the path, e.g. "send-otp-signup".
    ServiceReply handle(const QString &name, const RequestFields &fields);

private:
    ServiceReply login(const RequestFields &fields);
    ServiceReply sendOtpSignup(const RequestFields &fields);
    ServiceReply signup(const RequestFields &fields);
    ServiceReply verifyOtp(const RequestFields &fields);
    ServiceReply sendOtpForgotPassword(const RequestFields &fields);
    ServiceReply updateForgotPassword(const RequestFields &fields);

    // Creates a code, "sends" it and answers with its id (and extra members first).
    ServiceReply sendOtp(OneTimePassword::Purpose purpose, const RequestFields &fields, int userId,
                         const OrderedJsonObject &leadingMembers);
    // Why a code cannot be used for this number and purpose; empty when it can.
    QString unusableOtpReason(const OneTimePassword *otp, OneTimePassword::Purpose purpose,
                              const QString &mobileNo, bool mustBeVerified) const;
    // Saves the store; a reply whose change could not be kept becomes a server error.
    ServiceReply saved(const ServiceReply &reply);
    bool persist();
    static ServiceReply storeFailure();

    AccountStore &m_store;
    const Outbox &m_outbox;
    const PasswordHasher &m_hasher;
    const TokenIssuer &m_tokens;
    const ServiceClock &m_clock;
    qint64 m_otpLifetimeSeconds;
};
