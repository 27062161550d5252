#include <QNetworkAccessManager>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include <optional>

#include "AccountFixture.h"
#include "HumanMessage.h"
#include "TestService.h"
#include "ValidSignUp.h"
#include "store/HostContext.h"

namespace
{

const QString mobile = QStringLiteral("9876543210");
const QString password = QStringLiteral("Pa$$w0rd!");
const QString newPassword = QStringLiteral("Fresh#pass2");

// Short enough to keep the matrix quick, and well below the service's delay.
constexpr int transportTimeoutSeconds = 2;
const QString serviceNotRunning = QStringLiteral("not-running");
// The server presents the named certificate of the TLS directory.
const QString certificatePrefix = QStringLiteral("certificate:");

// A call, or the steps of its flow that bring a well-behaved service to the point
// where the call would succeed.
using Step = std::function<CallOutcome(AccountFixture &, const TestService &)>;
using SignUpStep = AccountFixture::SignUpStep;

const AccountDetails form = validSignUp(mobile, password);

Step signUpUpTo(SignUpStep last)
{
    return [last](AccountFixture &f, const TestService &s) { return f.signUp(form, s, last); };
}

struct EndpointCase {
    const char *name;
    Step prepare;
    Step call;
};

const EndpointCase endpoints[] = {
    {"ApiLogin", signUpUpTo(SignUpStep::CreateAccount),
     [](AccountFixture &f, const TestService &) { return f.calls.ApiLogin(form); }},
    {"ApiSendOtpSignup", [](AccountFixture &, const TestService &) { return CallOutcome{true}; },
     [](AccountFixture &f, const TestService &) {
         return f.calls.ApiSendOtpSignup(mobile, form.email);
     }},
    {"ApiSignup", signUpUpTo(SignUpStep::VerifyCode),
     [](AccountFixture &f, const TestService &) {
         return f.calls.ApiSignup(form, f.otpVerificationId);
     }},
    {"ApiVerifyOtp", signUpUpTo(SignUpStep::SendCode),
     [](AccountFixture &f, const TestService &s) {
         return f.calls.ApiVerifyOtp(mobile, f.otpVerificationId, s.latestOtp(mobile));
     }},
    {"ApiSendOtpForgotPassword", signUpUpTo(SignUpStep::CreateAccount),
     [](AccountFixture &f, const TestService &) {
         return f.calls.ApiSendOtpForgotPassword(mobile);
     }},
    {"ApiUpdateForgotPassword",
     [](AccountFixture &f, const TestService &s) {
         const CallOutcome created = f.signUp(form, s);
         return created.succeeded ? f.verifyResetCode(mobile, s) : created;
     },
     [](AccountFixture &f, const TestService &) {
         return f.calls.ApiUpdateForgotPassword({mobile, newPassword, newPassword},
                                                f.otpVerificationId, f.resetUserId);
     }},
};

// How each fault reaches the user: the start of the message the call ends with.
struct FaultCase {
    const char *name;
    QString fault;
    QString messageStart;
};

const QString tooLarge = QStringLiteral("The account service sent a reply larger than");

const FaultCase faults[] = {
    {"delay past the time-out", QStringLiteral("delay:5"), AccountServiceCalls::timeOutMessage},
    {"HTTP 500 with an HTML page", QStringLiteral("http500-html"),
     AccountServiceCalls::unreadableReplyMessage},
    {"empty body", QStringLiteral("empty-body"), AccountServiceCalls::timeOutMessage},
    {"dropped connection", QStringLiteral("drop-connection"), AccountServiceCalls::timeOutMessage},
    {"malformed JSON", QStringLiteral("malformed-json"),
     AccountServiceCalls::unreadableReplyMessage},
    {"10 MB body", QStringLiteral("oversize:%1").arg(10 * 1024 * 1024), tooLarge},
    // Refused on its headers, not waited for until the time-out.
    {"10 MB announced, never sent", QStringLiteral("oversize-announced:%1").arg(10 * 1024 * 1024),
     tooLarge},
    {"untrusted certificate", certificatePrefix + QStringLiteral("untrusted-server"),
     QStringLiteral("A secure connection to the account service could not be made")},
    {"certificate of another host", certificatePrefix + QStringLiteral("wronghost"),
     QStringLiteral("A secure connection to the account service could not be made")},
    {"service not running", serviceNotRunning, AccountServiceCalls::timeOutMessage},
};

} // namespace

class tst_ServiceFaults : public QObject
{
    Q_OBJECT

private:
    struct Ending {
        bool succeeded = false;
        QString message;
    };

    std::unique_ptr<AccountFixture> fixture;

    // Every row of the account table, every column, in a fixed order.
    QStringList tableRows() const
    {
        return fixture->db.rows(QStringLiteral("select * from it_TBL115BAC order by id, MobileNo"));
    }

    Ending run(const Step &call, const TestService &service)
    {
        try {
            const CallOutcome outcome = call(*fixture, service);
            return {outcome.succeeded, outcome.message};
        } catch (const VelmoError &error) {
            return {false, error.message()};
        }
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AccountFixture>(nullptr, transportTimeoutSeconds);
        mdlPublicVar::hostContext().IsSignedIn = false;
    }
    void cleanup() { fixture.reset(); }

    // Whatever goes wrong between the library and the service, the user reads a
    // sentence, nobody is signed in, the account table is as it was, and the
    // same transport carries the next call once the service behaves again.
    void faultEndsInAMessageAndLeavesNothingBehind_data()
    {
        QTest::addColumn<int>("endpointIndex");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("messageStart");
        for (int e = 0; e < int(std::size(endpoints)); ++e) {
            for (const FaultCase &fault : faults)
                QTest::addRow("%s, %s", endpoints[e].name, fault.name)
                    << e << fault.fault << fault.messageStart;
        }
    }
    void faultEndsInAMessageAndLeavesNothingBehind()
    {
        QFETCH(int, endpointIndex);
        QFETCH(QString, fault);
        QFETCH(QString, messageStart);
        const EndpointCase &endpoint = endpoints[endpointIndex];
        TestService service;
        const CallOutcome prepared = endpoint.prepare(*fixture, service);
        QVERIFY2(prepared.succeeded, qPrintable(prepared.message));
        const QStringList rowsBefore = tableRows();
        mdlPublicVar::hostContext().IsSignedIn = false;

        std::optional<TestService> untrusted;
        if (fault.startsWith(certificatePrefix))
            untrusted.emplace(QStringList(), fault.mid(certificatePrefix.size()));
        else if (fault == serviceNotRunning)
            service.stop();
        else
            QVERIFY(service.setFault(fault));
        const Ending faulty = run(endpoint.call, service);
        QVERIFY2(!faulty.succeeded, "the call reported success");
        const QString problem = whyNotHumanMessage(faulty.message);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY2(faulty.message.startsWith(messageStart), qPrintable(faulty.message));
        QVERIFY(!mdlPublicVar::hostContext().IsSignedIn);
        QCOMPARE(tableRows(), rowsBefore);

        untrusted.reset();
        if (!service.isRunning())
            QVERIFY(service.restart());
        QVERIFY(service.setFault(QStringLiteral("none")));
        // The service may already have acted on the faulty call (a late or cut
        // reply), so a refusal in its own words also shows a working transport.
        const CallOutcome again = endpoint.call(*fixture, service);
        QVERIFY2(again.succeeded || (again.refused && whyNotHumanMessage(again.message).isEmpty()),
                 qPrintable(again.message));
    }
};

QTEST_GUILESS_MAIN(tst_ServiceFaults)
#include "tst_ServiceFaults.moc"
