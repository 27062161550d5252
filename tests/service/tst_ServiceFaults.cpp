#include <QNetworkAccessManager>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include <optional>

#include "HumanMessage.h"
#include "TestDatabase.h"
#include "SignUpValues.h"
#include "TestService.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "store/SignInValues.h"

namespace
{

const QString mobile = QStringLiteral("9876543210");
const QString machine = QStringLiteral("AA-BB-CC-DD-EE-FF");
const QString password = QStringLiteral("Pa$$w0rd!");
const QString newPassword = QStringLiteral("Fresh#pass2");

// Short enough to keep the matrix quick, and well below the service's delay.
constexpr int transportTimeoutSeconds = 2;
const QString untrustedCertificate = QStringLiteral("untrusted-certificate");
const QString serviceNotRunning = QStringLiteral("not-running");

using Endpoint = CallOutcome (AccountServiceCalls::*)();

struct EndpointCase {
    const char *name;
    Endpoint call;
};

const EndpointCase endpoints[] = {
    {"ApiLogin", &AccountServiceCalls::ApiLogin},
    {"ApiSendOtpSignup", &AccountServiceCalls::ApiSendOtpSignup},
    {"ApiSignup", &AccountServiceCalls::ApiSignup},
    {"ApiVerifyOtp", &AccountServiceCalls::ApiVerifyOtp},
    {"ApiSendOtpForgotPassword", &AccountServiceCalls::ApiSendOtpForgotPassword},
    {"ApiUpdateForgotPassword", &AccountServiceCalls::ApiUpdateForgotPassword},
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
    {"untrusted certificate", untrustedCertificate,
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

    std::unique_ptr<TestDatabase> db;
    QNetworkAccessManager manager;
    SignInValues window;
    std::unique_ptr<HttpTransport> transport;
    std::unique_ptr<AccountRecords> records;
    std::unique_ptr<AccountServiceCalls> calls;

    bool succeeds(Endpoint endpoint)
    {
        const CallOutcome outcome = (calls.get()->*endpoint)();
        if (!outcome.succeeded)
            qWarning("preparing call failed: %s", qPrintable(outcome.message));
        return outcome.succeeded;
    }

    // Brings the window to the point where the call would succeed against a
    // well-behaved service, going through the earlier steps of its flow.
    bool prepare(TestService &service, Endpoint endpoint)
    {
        fillSignUpValues(window, mobile, password);
        if (endpoint == &AccountServiceCalls::ApiSendOtpSignup)
            return true;
        if (!succeeds(&AccountServiceCalls::ApiSendOtpSignup))
            return false;
        window.txtOTP = service.latestOtp(mobile);
        if (endpoint == &AccountServiceCalls::ApiVerifyOtp)
            return true;
        if (!succeeds(&AccountServiceCalls::ApiVerifyOtp))
            return false;
        if (endpoint == &AccountServiceCalls::ApiSignup)
            return true;
        if (!succeeds(&AccountServiceCalls::ApiSignup))
            return false;

        window.TxtMobile1 = mobile;
        window.TxtPassword2 = password;
        window.Text1 = mobile;
        if (endpoint == &AccountServiceCalls::ApiLogin ||
            endpoint == &AccountServiceCalls::ApiSendOtpForgotPassword)
            return true;
        if (!succeeds(&AccountServiceCalls::ApiSendOtpForgotPassword))
            return false;
        window.txtOTP = service.latestOtp(mobile);
        if (!succeeds(&AccountServiceCalls::ApiVerifyOtp))
            return false;
        window.txtForPass = newPassword;
        window.txtForConPass = newPassword;
        return true;
    }

    // Every row of the account table, every column, in a fixed order.
    QStringList tableRows() const
    {
        QSqlQuery query(db->connection());
        if (!query.exec(QStringLiteral("select * from it_TBL115BAC order by id, MobileNo")))
            return {QStringLiteral("unreadable")};
        QStringList rows;
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields << query.value(i).toString();
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

    Ending run(Endpoint endpoint)
    {
        try {
            const CallOutcome outcome = (calls.get()->*endpoint)();
            return {outcome.succeeded, outcome.message};
        } catch (const VelmoError &error) {
            return {false, error.message()};
        }
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        mdlPublicVar::hostContext().setCON(db->connection());
        mdlPublicVar::hostContext().IsSignedIn = false;
        CreateAccountTable();
        window = SignInValues();
        window.MachineAddress = machine;
        transport = std::make_unique<HttpTransport>(&manager, transportTimeoutSeconds);
        records = std::make_unique<AccountRecords>(window, db->connection());
        calls = std::make_unique<AccountServiceCalls>(*transport, *records, window);
    }
    void cleanup()
    {
        calls.reset();
        records.reset();
        transport.reset();
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        db.reset();
    }

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
        const Endpoint endpoint = endpoints[endpointIndex].call;
        TestService service;
        QVERIFY(service.isRunning());
        QVERIFY(prepare(service, endpoint));
        const QStringList rowsBefore = tableRows();
        mdlPublicVar::hostContext().IsSignedIn = false;

        std::optional<TestService> untrusted;
        if (fault == untrustedCertificate)
            untrusted.emplace(QStringList(), QStringLiteral("untrusted-server"));
        else if (fault == serviceNotRunning)
            service.stop();
        else
            QVERIFY(service.setFault(fault));
        const Ending faulty = run(endpoint);
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
        const CallOutcome again = (calls.get()->*endpoint)();
        QVERIFY2(again.succeeded || (again.refused && whyNotHumanMessage(again.message).isEmpty()),
                 qPrintable(again.message));
    }
};

QTEST_GUILESS_MAIN(tst_ServiceFaults)
#include "tst_ServiceFaults.moc"
