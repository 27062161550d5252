#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QtTest>

#include <VelmoITNet22SU/VelmoError.h>

#include "SignUpValues.h"
#include "TestDatabase.h"
#include "TestService.h"
#include "service/AccountServiceCalls.h"
#include "service/HttpTransport.h"
#include "service/ServiceError.h"
#include "service/StoredToken.h"
#include "store/AccountRecords.h"
#include "store/AccountTable.h"
#include "store/HostContext.h"
#include "store/SignInValues.h"

namespace
{

const QString mobile = QStringLiteral("9876543210");
const QString machine = QStringLiteral("AA-BB-CC-DD-EE-FF");
const QString password = QStringLiteral("Pa\"ss\\w0rd!");

// The network access manager of the calls, keeping a copy of every body it posts.
class RecordingManager : public QNetworkAccessManager
{
public:
    QList<QByteArray> postedBodies;

protected:
    QNetworkReply *createRequest(Operation operation, const QNetworkRequest &request,
                                 QIODevice *outgoingData) override
    {
        if (operation == PostOperation && outgoingData)
            postedBodies << outgoingData->peek(outgoingData->size());
        return QNetworkAccessManager::createRequest(operation, request, outgoingData);
    }
};

using Call = CallOutcome (AccountServiceCalls::*)();

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_AccountServiceCalls : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db;
    RecordingManager manager;
    SignInValues window;

    struct Client {
        HttpTransport transport;
        AccountRecords records;
        AccountServiceCalls calls;
        Client(QNetworkAccessManager *manager, SignInValues &window, const QSqlDatabase &db,
               int timeoutSeconds)
            : transport(manager, timeoutSeconds), records(window, db),
              calls(transport, records, window)
        {
        }
    };
    std::unique_ptr<Client> client;

    void signUp(TestService &service, const QString &fullName)
    {
        fillSignUpValues(window, mobile, password, fullName);
        QCOMPARE(client->calls.ApiSendOtpSignup().next, CallOutcome::Next::ShowOtpPanel);
        QCOMPARE(window.OtpVerificationId, service.latestOtpVerificationId(mobile));
        window.txtOTP = service.latestOtp(mobile);
        QCOMPARE(client->calls.ApiVerifyOtp().next, CallOutcome::Next::OtpAccepted);
        const CallOutcome created = client->calls.ApiSignup();
        QVERIFY2(created.succeeded, qPrintable(created.message));
        QCOMPARE(created.next, CallOutcome::Next::ShowLoginPanel);
    }

    QJsonObject storedUser(const TestService &service)
    {
        QFile file(service.dataDir() + QStringLiteral("/accounts.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QJsonArray users =
            QJsonDocument::fromJson(file.readAll()).object().value("users").toArray();
        return users.isEmpty() ? QJsonObject() : users.first().toObject();
    }

private slots:
    void init()
    {
        db = std::make_unique<TestDatabase>();
        mdlPublicVar::hostContext().setCON(db->connection());
        mdlPublicVar::hostContext().IT_Ver = QStringLiteral("3.1");
        mdlPublicVar::hostContext().IsSignedIn = false;
        CreateAccountTable();
        window = SignInValues();
        window.MachineAddress = machine;
        client = std::make_unique<Client>(&manager, window, db->connection(), 10);
        manager.postedBodies.clear();
    }
    void cleanup()
    {
        client.reset();
        mdlPublicVar::hostContext().setCON(QSqlDatabase());
        db.reset();
    }

    // Quotes, backslashes, tabs, lone line feeds, control characters and
    // non-ASCII text arrive as typed; carriage-return line-feed pairs do not.
    void signUpThenLogIn()
    {
        TestService service;
        QVERIFY(service.isRunning());
        const QString typedName =
            QStringLiteral("Zoë \"Z\" \\ O'Brien\tx\ny") + QChar(1) + QStringLiteral("\r\nend");
        signUp(service, typedName);
        const QJsonObject user = storedUser(service);
        QCOMPARE(user.value("full_name").toString(),
                 QStringLiteral("Zoë \"Z\" \\ O'Brien\tx\ny") + QChar(1) + QStringLiteral("end"));
        QCOMPARE(user.value("organization_type").toString(), QStringLiteral("CORPORATE"));
        QCOMPARE(user.value("utm_source").toString(), QStringLiteral("VelmoIT-3.1"));
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC").toInt(), 1);

        window.TxtMobile1 = QStringLiteral("  ") + mobile + QStringLiteral(" ");
        window.TxtPassword2 = password;
        QVERIFY(!IsStoredTokenValid(client->records, window));
        window.TxtMobile1 = mobile;
        const CallOutcome login = client->calls.ApiLogin();
        QVERIFY2(login.succeeded, qPrintable(login.message));
        QCOMPARE(login.next, CallOutcome::Next::CloseSignedIn);
        QVERIFY(mdlPublicVar::hostContext().IsSignedIn);
        QCOMPARE(window.CurrentToken.count(u'.'), 2);
        QCOMPARE(client->records.ReadStoredToken(), window.CurrentToken);
        QVERIFY(IsStoredTokenValid(client->records, window));
    }

    // Each box text goes out without its leading and trailing blanks, and with any tab or
    // line break around it. A box's text here is its name between those characters.
    void membersLoseOnlyTheirBlanks_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QStringList>("membersFromBoxes"); // member=box
        QTest::newRow("login") << &AccountServiceCalls::ApiLogin
                               << QStringList{"mobile_no=TxtMobile1", "mac_address=MachineAddress",
                                              "password=TxtPassword2"};
        QTest::newRow("send-otp-signup") << &AccountServiceCalls::ApiSendOtpSignup
                                         << QStringList{"mobile_no=TxtMobileNo", "email=TxtEmail"};
        QTest::newRow("signup") << &AccountServiceCalls::ApiSignup
                                << QStringList{"mobile_no=TxtMobileNo",
                                               "email=TxtEmail",
                                               "full_name=TxtName",
                                               "password=TxtPassword",
                                               "password_confirmation=TxtConfirmPassword",
                                               "mac_address=MachineAddress",
                                               "organization_name=TxtFirmName",
                                               "pincode=txtPinCode"};
        QTest::newRow("verify-otp") << &AccountServiceCalls::ApiVerifyOtp
                                    << QStringList{"mobile_no=TxtMobileNo", "otp=txtOTP"};
        QTest::newRow("send-otp-forgot-password")
            << &AccountServiceCalls::ApiSendOtpForgotPassword << QStringList{"mobile_no=Text1"};
        QTest::newRow("update-forgot-password")
            << &AccountServiceCalls::ApiUpdateForgotPassword
            << QStringList{"mobile_no=Text1", "password=txtForPass",
                           "password_confirmation=txtForConPass"};
    }
    void membersLoseOnlyTheirBlanks()
    {
        QFETCH(Call, call);
        QFETCH(QStringList, membersFromBoxes);
        TestService service;
        const auto typed = [](const char *box) { return " \t" + QString::fromLatin1(box) + "\n "; };
        for (auto [box, text] : {std::pair{&window.TxtMobile1, "TxtMobile1"},
                                 {&window.TxtPassword2, "TxtPassword2"},
                                 {&window.TxtName, "TxtName"},
                                 {&window.TxtFirmName, "TxtFirmName"},
                                 {&window.TxtMobileNo, "TxtMobileNo"},
                                 {&window.TxtEmail, "TxtEmail"},
                                 {&window.TxtPassword, "TxtPassword"},
                                 {&window.TxtConfirmPassword, "TxtConfirmPassword"},
                                 {&window.txtPinCode, "txtPinCode"},
                                 {&window.txtOTP, "txtOTP"},
                                 {&window.Text1, "Text1"},
                                 {&window.txtForPass, "txtForPass"},
                                 {&window.txtForConPass, "txtForConPass"},
                                 {&window.MachineAddress, "MachineAddress"}})
            *box = typed(text);
        (client->calls.*call)();
        QCOMPARE(manager.postedBodies.size(), 1);
        const QJsonObject sent = QJsonDocument::fromJson(manager.postedBodies.first()).object();
        for (const QString &pair : membersFromBoxes) {
            const QString member = pair.section('=', 0, 0);
            const QString box = pair.section('=', 1);
            QCOMPARE(sent.value(member).toString(), "\t" + box + "\n");
        }
    }

    // Passwords and tokens never travel in the clear: the request is not even made.
    void addressThatIsNotHttpsIsRefused_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("plain HTTP") << "http://127.0.0.1:%1";
        QTest::newRow("no scheme") << "127.0.0.1:%1";
    }
    void addressThatIsNotHttpsIsRefused()
    {
        QFETCH(QString, address);
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        const QByteArray saved = qgetenv("VELMO_ACCOUNT_SERVICE_URL");
        const QString configured = address.arg(listener.serverPort());
        qputenv("VELMO_ACCOUNT_SERVICE_URL", configured.toUtf8());
        window.TxtMobile1 = mobile;
        window.TxtPassword2 = password;
        QString message;
        try {
            client->calls.ApiLogin();
        } catch (const ServiceError &error) {
            message = error.message();
        }
        qputenv("VELMO_ACCOUNT_SERVICE_URL", saved);
        QCOMPARE(message, QStringLiteral("The account service address \"%1\" is not an HTTPS "
                                         "address. Nothing was sent.")
                              .arg(configured));
        QVERIFY(manager.postedBodies.isEmpty());
        QVERIFY(!listener.hasPendingConnections());
    }

    void refusedLoginShowsTheServiceText()
    {
        TestService service;
        signUp(service, QStringLiteral("Ravi Shah"));
        mdlPublicVar::hostContext().IsSignedIn = true;
        window.TxtMobile1 = mobile;
        window.TxtPassword2 = QStringLiteral("Wrong#pass1");
        const CallOutcome login = client->calls.ApiLogin();
        QVERIFY(login.refused);
        QCOMPARE(login.message, QStringLiteral("The password is incorrect."));
        QCOMPARE(login.icon, CallOutcome::Icon::Exclamation);
        QCOMPARE(login.next, CallOutcome::Next::Stay);
        QVERIFY(!mdlPublicVar::hostContext().IsSignedIn);
        QVERIFY(window.CurrentToken.isEmpty());
    }

    // During a reset the reset screen's number is sent, whatever the sign-up
    // screen holds, and the new password reaches the stored rows.
    void passwordReset()
    {
        TestService service;
        signUp(service, QStringLiteral("Ravi Shah"));
        window.TxtMobileNo = QStringLiteral("9000000000");
        window.Text1 = mobile;
        QCOMPARE(client->calls.ApiSendOtpForgotPassword().next, CallOutcome::Next::ShowOtpPanel);
        QVERIFY(window.ResetUserId != 0);
        window.txtOTP = service.latestOtp(mobile);
        QCOMPARE(client->calls.ApiVerifyOtp().next, CallOutcome::Next::OtpAccepted);
        window.txtForPass = QStringLiteral("Fresh#pass2");
        window.txtForConPass = QStringLiteral("Fresh#pass2");
        QCOMPARE(client->calls.ApiUpdateForgotPassword().next, CallOutcome::Next::ShowLoginPanel);
        QCOMPARE(db->scalar("select sPassword from it_TBL115BAC").toString(),
                 QStringLiteral("Fresh#pass2"));

        window.TxtMobile1 = mobile;
        window.TxtPassword2 = QStringLiteral("Fresh#pass2");
        QVERIFY(client->calls.ApiLogin().succeeded);
    }

    void wrongOtpKeepsTheOtpScreen()
    {
        TestService service;
        fillSignUpValues(window, mobile, password);
        QVERIFY(client->calls.ApiSendOtpSignup().succeeded);
        window.txtOTP = service.latestOtp(mobile) == "000000" ? "111111" : "000000";
        const CallOutcome verify = client->calls.ApiVerifyOtp();
        QVERIFY(verify.refused);
        QCOMPARE(verify.next, CallOutcome::Next::FocusOtpInput);
        QVERIFY(verify.message.startsWith(QStringLiteral("The OTP is incorrect.")));
    }

    void certificateFailures_data()
    {
        QTest::addColumn<QString>("certificate");
        QTest::newRow("untrusted CA") << "untrusted-server";
        QTest::newRow("another host name") << "wronghost";
    }
    void certificateFailures()
    {
        QFETCH(QString, certificate);
        TestService service({}, certificate);
        QVERIFY(service.isRunning());
        window.TxtMobile1 = mobile;
        window.TxtPassword2 = password;
        try {
            client->calls.ApiLogin();
            QFAIL("the call went through");
        } catch (const VelmoError &error) {
            QVERIFY2(error.message().startsWith(
                         "A secure connection to the account service could not be made"),
                     qPrintable(error.message()));
        }
        QVERIFY(!mdlPublicVar::hostContext().IsSignedIn);
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC").toInt(), 0);
        QVERIFY(window.CurrentToken.isEmpty());
    }

    void faultyReplies_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty body") << "empty-body" << AccountServiceCalls::timeOutMessage;
        QTest::newRow("dropped connection")
            << "drop-connection" << AccountServiceCalls::timeOutMessage;
        QTest::newRow("HTML error page")
            << "http500-html" << AccountServiceCalls::unreadableReplyMessage;
        QTest::newRow("no reply in time") << "delay:3" << AccountServiceCalls::timeOutMessage;
    }
    void faultyReplies()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        TestService service({QStringLiteral("--fault=") + fault});
        client = std::make_unique<Client>(&manager, window, db->connection(), 1);
        window.TxtMobile1 = mobile;
        window.TxtPassword2 = password;
        const CallOutcome login = client->calls.ApiLogin();
        QVERIFY(!login.succeeded);
        QCOMPARE(login.message, message);
        QCOMPARE(login.next, CallOutcome::Next::Stay);
        QVERIFY(!mdlPublicVar::hostContext().IsSignedIn);
        QCOMPARE(db->scalar("select count(*) from it_TBL115BAC").toInt(), 0);
    }

    void oversizeReplyIsAnError()
    {
        TestService service({QStringLiteral("--fault=oversize:2000000")});
        window.TxtMobile1 = mobile;
        QVERIFY_THROWS_EXCEPTION(VelmoError, client->calls.ApiLogin());
    }
};

QTEST_GUILESS_MAIN(tst_AccountServiceCalls)
#include "tst_AccountServiceCalls.moc"
