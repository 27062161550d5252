#pragma once

#include <QString>

#include <optional>

#include "service/CallOutcome.h"

class AccountRecords;
class HttpTransport;
class JsonRequestBody;
struct SignInValues;

// The six calls to the account service. Each builds its request from the
// window's values, posts it through the window's transport, reads the reply's
// status and ids into the window's fields, runs the record operation that
// follows a success, and says what the window should show and do next.
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

    AccountServiceCalls(HttpTransport &transport, AccountRecords &records, SignInValues &window);

    CallOutcome ApiLogin();
    CallOutcome ApiSendOtpSignup();
    CallOutcome ApiSignup();
    CallOutcome ApiVerifyOtp();
    CallOutcome ApiSendOtpForgotPassword();
    CallOutcome ApiUpdateForgotPassword();

private:
    // Sends the body and reads the status into ReplyStatus. The outcome to
    // return when the call ends here; none when the success steps follow.
    std::optional<CallOutcome> send(const QString &path, const JsonRequestBody &body,
                                    CallOutcome::Icon noReplyIcon, bool emptyReplyIsTimeOut,
                                    CallOutcome::Next onRefusal);
    std::optional<qint32> readId(const QString &key);
    static CallOutcome failed(const QString &message, CallOutcome::Icon icon,
                              CallOutcome::Next next = CallOutcome::Next::Stay);

    HttpTransport &m_transport;
    AccountRecords &m_records;
    SignInValues &m_window;
};
