#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QtTest>

#include "AccountFixture.h"
#include "TestService.h"
#include "ValidSignUp.h"
#include "service/ServiceError.h"
#include "service/StoredToken.h"
#include "store/HostContext.h"

namespace
{

const QString mobile = QStringLiteral("9876543210");
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

// A call made with every text argument taken from typed.
using Call = std::function<CallOutcome(AccountServiceCalls &, const AccountDetails &typed)>;

} // namespace

Q_DECLARE_METATYPE(Call)

class tst_AccountServiceCalls : public QObject
{
    Q_OBJECT

private:
    RecordingManager manager;
    std::unique_ptr<AccountFixture> fixture;

    QJsonObject storedUser(const TestService &service)
    {
        QFile file(service.dataDir() + QStringLiteral("/accounts.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QJsonArray users =
            QJsonDocument::fromJson(file.readAll()).object().value("users").toArray();
        return users.isEmpty() ? QJsonObject() : users.first().toObject();
    }

    CallOutcome logIn(const QString &typedMobile, const QString &typedPassword)
    {
        return fixture->calls.ApiLogin(validSignUp(typedMobile, typedPassword));
    }

private slots:
    void init()
    {
        fixture = std::make_unique<AccountFixture>(&manager);
        mdlPublicVar::hostContext().IT_Ver = QStringLiteral("3.1");
        mdlPublicVar::hostContext().IsSignedIn = false;
        manager.postedBodies.clear();
    }
    void cleanup() { fixture.reset(); }

    // Quotes, backslashes, tabs, lone line feeds, control characters and
    // non-ASCII text arrive as typed; carriage-return line-feed pairs do not.
    void signUpThenLogIn()
    {
        TestService service;
        const QString typedName =
            QStringLiteral("Zoë \"Z\" \\ O'Brien\tx\ny") + QChar(1) + QStringLiteral("\r\nend");
        const CallOutcome created =
            fixture->signUp(validSignUp(mobile, password, typedName), service);
        QVERIFY2(created.succeeded, qPrintable(created.message));
        QCOMPARE(created.next, CallOutcome::Next::ShowLoginPanel);
        QCOMPARE(fixture->otpVerificationId, service.latestOtpVerificationId(mobile));
        const QJsonObject user = storedUser(service);
        QCOMPARE(user.value("full_name").toString(),
                 QStringLiteral("Zoë \"Z\" \\ O'Brien\tx\ny") + QChar(1) + QStringLiteral("end"));
        QCOMPARE(user.value("organization_type").toString(), QStringLiteral("CORPORATE"));
        QCOMPARE(user.value("utm_source").toString(), QStringLiteral("VelmoIT-3.1"));
        QCOMPARE(fixture->rowCount(), 1);

        QVERIFY(!IsStoredTokenValid(fixture->records, QStringLiteral("  ") + mobile + " "));
        const CallOutcome login = logIn(mobile, password);
        QVERIFY2(login.succeeded, qPrintable(login.message));
        QCOMPARE(login.next, CallOutcome::Next::CloseSignedIn);
        QVERIFY(mdlPublicVar::hostContext().IsSignedIn);
        const LoginToken token = fixture->calls.reply().login.value_or(LoginToken());
        QCOMPARE(token.token.count(u'.'), 2);
        QCOMPARE(fixture->records.ReadStoredToken(mobile), token.token);
        QCOMPARE(fixture->records.ReadStoredToken1(mobile), token.check);
        QVERIFY(IsStoredTokenValid(fixture->records, mobile));
    }

    // Each text goes out without its leading and trailing blanks, and with any tab or
    // line break around it. A text here is its field's name between those characters.
    void membersLoseOnlyTheirBlanks_data()
    {
        QTest::addColumn<Call>("call");
        QTest::addColumn<QStringList>("membersFromFields"); // member=field
        using Typed = const AccountDetails &;
        const auto row = [](const char *name, const Call &call, const QStringList &members) {
            QTest::newRow(name) << call << members;
        };
        const QString mobileNo = QStringLiteral("mobile_no=mobile");
        const QString confirmed = QStringLiteral("password_confirmation=confirmedPassword");
        row("login", [](AccountServiceCalls &c, Typed t) { return c.ApiLogin(t); },
            {mobileNo, "mac_address=machine", "password=password"});
        row("send-otp-signup",
            [](AccountServiceCalls &c, Typed t) { return c.ApiSendOtpSignup(t.mobile, t.email); },
            {mobileNo, "email=email"});
        row("signup", [](AccountServiceCalls &c, Typed t) { return c.ApiSignup(t, 1); },
            {mobileNo, "email=email", "full_name=fullName", "password=password", confirmed,
             "mac_address=machine", "organization_name=firmName", "pincode=pinCode"});
        row("verify-otp",
            [](AccountServiceCalls &c, Typed t) { return c.ApiVerifyOtp(t.mobile, 1, t.pinCode); },
            {mobileNo, "otp=pinCode"});
        row("send-otp-forgot-password",
            [](AccountServiceCalls &c, Typed t) { return c.ApiSendOtpForgotPassword(t.mobile); },
            {mobileNo});
        row("update-forgot-password",
            [](AccountServiceCalls &c, Typed t) {
                return c.ApiUpdateForgotPassword({t.mobile, t.password, t.confirmedPassword}, 1, 1);
            },
            {mobileNo, "password=password", confirmed});
    }
    void membersLoseOnlyTheirBlanks()
    {
        QFETCH(Call, call);
        QFETCH(QStringList, membersFromFields);
        TestService service;
        const auto typed = [](const char *field) { return " \t" + QString(field) + "\n "; };
        AccountDetails t = validSignUp(typed("mobile"), typed("password"), typed("fullName"));
        t.firmName = typed("firmName");
        t.pinCode = typed("pinCode");
        t.confirmedPassword = typed("confirmedPassword");
        t.email = typed("email");
        AccountFixture typedMachine(&manager, 10, typed("machine"));
        call(typedMachine.calls, t);
        QCOMPARE(manager.postedBodies.size(), 1);
        const QJsonObject sent = QJsonDocument::fromJson(manager.postedBodies.first()).object();
        for (const QString &pair : membersFromFields)
            QCOMPARE(sent.value(pair.section('=', 0, 0)).toString(),
                     "\t" + pair.section('=', 1) + "\n");
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
        QString message;
        try {
            logIn(mobile, password);
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
        QVERIFY(fixture->signUp(validSignUp(mobile, password), service).succeeded);
        mdlPublicVar::hostContext().IsSignedIn = true;
        const CallOutcome login = logIn(mobile, QStringLiteral("Wrong#pass1"));
        QVERIFY(login.refused);
        QCOMPARE(login.message, QStringLiteral("The password is incorrect."));
        QCOMPARE(login.icon, CallOutcome::Icon::Exclamation);
        QCOMPARE(login.next, CallOutcome::Next::Stay);
        QVERIFY(!mdlPublicVar::hostContext().IsSignedIn);
        QVERIFY(!fixture->calls.reply().login);
    }

    // A reset sends the reset screen's number and the ids of the reset's own replies,
    // and the new password reaches the stored rows.
    void passwordReset()
    {
        TestService service;
        QVERIFY(fixture->signUp(validSignUp(mobile, password), service).succeeded);
        const CallOutcome verified = fixture->verifyResetCode(mobile, service);
        QCOMPARE(verified.next, CallOutcome::Next::OtpAccepted);
        QVERIFY(fixture->resetUserId != 0);
        const QString fresh = QStringLiteral("Fresh#pass2");
        QCOMPARE(fixture->calls
                     .ApiUpdateForgotPassword({mobile, fresh, fresh}, fixture->otpVerificationId,
                                              fixture->resetUserId)
                     .next,
                 CallOutcome::Next::ShowLoginPanel);
        QCOMPARE(fixture->db.scalar("select sPassword from it_TBL115BAC").toString(), fresh);
        QVERIFY(logIn(mobile, fresh).succeeded);
    }

    void wrongOtpKeepsTheOtpScreen()
    {
        TestService service;
        const AccountDetails form = validSignUp(mobile, password);
        const CallOutcome verify = fixture->signUp(
            form, [&] { return service.latestOtp(mobile) == "000000" ? "111111" : "000000"; },
            AccountFixture::SignUpStep::VerifyCode);
        QVERIFY(verify.refused);
        QCOMPARE(verify.next, CallOutcome::Next::FocusOtpInput);
        QVERIFY(verify.message.startsWith(QStringLiteral("The OTP is incorrect.")));
    }
};

QTEST_GUILESS_MAIN(tst_AccountServiceCalls)
#include "tst_AccountServiceCalls.moc"
