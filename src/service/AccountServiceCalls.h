#pragma once

#include <QString>

#include <optional>

#include "service/CallOutcome.h"
#include "service/CallReply.h"
#include "store/AccountDetails.h"

class AccountRecords;
class HttpTransport;
class JsonRequestBody;

// The six calls to the account service. Each builds its request from the values
// the window passes, posts it through the window's transport, reads the reply's
// status and ids (reply()), runs the record operation that follows a success, and
// says what the window should show and do next.
// Throws VelmoError when the configured address is not HTTPS, the secure connection
// fails or the database refuses a statement; nothing is stored then.
class AccountServiceCalls
{
public:
    static inline const QString timeOutMessage =
        QStringLiteral("Time out occured. Please try after some time.");
    static inline const QString unreadableReplyMessage =
        QStringLiteral("The account service sent a reply that could not be read. Please try "
                       "after some time.");

    // records: the rows of the window's machine, whose address the requests carry.
    AccountServiceCalls(HttpTransport &transport, AccountRecords &records);

    // login: the login's number and password, with the sign-up screen's other
    // boxes for a row the login has to create.
    CallOutcome ApiLogin(const AccountDetails &login);
    CallOutcome ApiSendOtpSignup(const QString &mobile, const QString &email);
    CallOutcome ApiSignup(const AccountDetails &account, qint32 otpVerificationId);
    CallOutcome ApiVerifyOtp(const QString &mobile, qint32 otpVerificationId, const QString &otp);
    CallOutcome ApiSendOtpForgotPassword(const QString &mobile);
    CallOutcome ApiUpdateForgotPassword(const NewPassword &reset, qint32 otpVerificationId,
                                        qint32 resetUserId);

    // What the latest call read from its reply, also when it threw afterwards.
    const CallReply &reply() const { return m_reply; }

private:
    // Sends the body and reads the reply and its status. The outcome to
    // return when the call ends here; none when the success steps follow.
    std::optional<CallOutcome> send(const QString &path, const JsonRequestBody &body,
                                    CallOutcome::Icon noReplyIcon, bool emptyReplyIsTimeOut,
                                    CallOutcome::Next onRefusal);
    std::optional<qint32> readId(const QString &key);
    static CallOutcome failed(const QString &message, CallOutcome::Icon icon,
                              CallOutcome::Next next = CallOutcome::Next::Stay);

    HttpTransport &m_transport;
    AccountRecords &m_records;
    CallReply m_reply;
};
