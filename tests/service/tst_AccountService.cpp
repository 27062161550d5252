#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QtTest>

#include "TestService.h"

// What the library's tests rely on in the local account service: the replies of the six
// endpoints read as the library reads them, the code and token lifetimes, and the outbox.
// Its faults and status file are checked through the library (tst_ServiceFaults,
// tst_HttpGetText).
namespace
{

const QString authPath = QStringLiteral("/api/service/v1/auth/user/");
const QString mobile = QStringLiteral("9876543210"); // registered before each case
const QString newcomer = QStringLiteral("9123456780");
const QString password = QStringLiteral("Secret#123");
const QString newPassword = QStringLiteral("N3w\"pa\\sswörd");
const QByteArray success = "{\"status\":1,";

QJsonObject parsed(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

QByteArray refusal(const QString &message)
{
    return QStringLiteral("{\"status\":0,\"errors\":{\"mobile_no\":[\"%1\"]}}")
        .arg(message)
        .toUtf8();
}

// The client reads replies as text: the first occurrence of a key, in any letter case,
// must be that member itself.
bool firstOccursAsMember(const QByteArray &body, const QString &key)
{
    const QByteArray upper = body.toUpper();
    const QByteArray upperKey = key.toUpper().toUtf8();
    return upper.indexOf(upperKey) == upper.indexOf('"' + upperKey + "\":") + 1;
}

// Walks the endpoints as the sign-in window does, one named step at a time:
// send[:number], forgot[:number], verify, wrong, signup, reset[:password], login[:password],
// advance:seconds.
class Steps
{
public:
    explicit Steps(TestService &service) : m_service(service) {}
    const TestService::Reply &last() const { return m_last; }

    // The account of `mobile`, with `password`, as user 1.
    bool registerMobile()
    {
        return run("send:" + mobile) && run("verify") && run("signup") &&
               m_last.body.startsWith(success);
    }

    // False when the step could not be taken at all.
    bool run(const QString &step)
    {
        const QString name = step.section(':', 0, 0);
        const QString argument = step.section(':', 1);
        const QString code = m_service.latestOtp(m_number);
        const QString otpId = QString::number(m_otpId);
        if (name == "advance")
            return m_service.advanceClock(argument.toLongLong());
        if (name == "send" || name == "forgot") {
            m_number = !argument.isEmpty() ? argument : name == "send" ? newcomer : mobile;
            if (name == "send")
                post("send-otp-signup", {"mobile_no=" + m_number, "email=a@b.in"});
            else
                post("send-otp-forgot-password", {"mobile_no=" + m_number});
            m_otpId = parsed(m_last.body).value("otp_verification_id").toInt();
            m_userId = parsed(m_last.body).value("user_id").toInt();
        } else if (name == "verify" || name == "wrong") {
            const QString wrongCode = code.left(5) + (code.endsWith('0') ? "1" : "0");
            post("verify-otp", {"mobile_no=" + m_number, "otp_verification_id=" + otpId,
                                "otp=" + (name == "wrong" ? wrongCode : code)});
        } else if (name == "signup") {
            post("signup", {"otp_verification_id=" + otpId, "mobile_no=" + m_number, "email=a@b.in",
                            "full_name=Asha O'Brien", "password=" + password,
                            "password_confirmation=" + password, "utm_source=VelmoIT-22.1",
                            "mac_address=AA-BB", "organization_name=O'Brien & Co",
                            "organization_type=CA", "pincode=400001"});
        } else if (name == "reset") {
            const QString chosen = argument.isEmpty() ? newPassword : argument;
            post("update-forgot-password",
                 {"otp_verification_id=" + otpId, "auth_user_id=" + QString::number(m_userId),
                  "mobile_no=" + m_number, "password=" + chosen,
                  "password_confirmation=" + chosen});
        } else if (name == "login") {
            post("login", {"mobile_no=" + mobile, "mac_address=AA-BB",
                           "password=" + (argument.isEmpty() ? password : argument)});
        } else {
            return false;
        }
        return m_last.error == QNetworkReply::NoError;
    }

private:
    // members: "name=value", all sent as JSON strings.
    void post(const QString &endpoint, const QStringList &members)
    {
        QJsonObject body{{"country_code", "+91"}};
        for (const QString &member : members)
            body.insert(member.section('=', 0, 0), member.section('=', 1));
        m_last = m_service.request(authPath + endpoint, "POST",
                                   QJsonDocument(body).toJson(QJsonDocument::Compact));
    }

    TestService &m_service;
    TestService::Reply m_last;
    QString m_number;
    int m_otpId = 0;
    int m_userId = 0;
};

} // namespace

class tst_AccountService : public QObject
{
    Q_OBJECT

private slots:
    void replies_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("refusedWith"); // empty: the last step succeeds
        QTest::addColumn<QStringList>("membersRead");
        const auto row = [](const char *name, const QString &steps, const QString &refusedWith,
                            const QStringList &membersRead = {}) {
            QTest::newRow(name) << steps << refusedWith << membersRead;
        };
        row("sign-up code sent", "send", "", {"otp_verification_id"});
        row("code verified", "send verify", "", {"otp_verification_id"});
        row("signed up", "send verify signup", "", {"user_id"});
        row("signed in", "login", "", {"user_id", "access_token"});
        row("reset code sent", "forgot", "", {"user_id", "otp_verification_id"});
        row("password reset", "forgot verify reset", "");
        row("new password signs in", "forgot verify reset login:" + newPassword, "");
        row("old password refused", "forgot verify reset login", "The password is incorrect.");
        row("number already registered", "send:" + mobile,
            "This mobile number is already registered. Please sign in.");
        row("reset of an unknown number", "forgot:" + newcomer,
            "This mobile number is not registered.");
        row("code expired", "send advance:900 verify",
            "The OTP has expired. Please request a new OTP.");
        row("first wrong code", "send wrong", "The OTP is incorrect. 4 attempts left.");
    }
    void replies()
    {
        QFETCH(QString, steps);
        QFETCH(QString, refusedWith);
        QFETCH(QStringList, membersRead);
        TestService service({"--pbkdf2-iterations=1000"});
        Steps road(service);
        QVERIFY2(road.registerMobile(), road.last().body.constData());
        for (const QString &step : steps.split(' '))
            QVERIFY2(road.run(step), qPrintable(step + ": " + road.last().body));
        const QByteArray body = road.last().body;
        QCOMPARE(road.last().httpStatus, 200);
        if (refusedWith.isEmpty())
            QVERIFY2(body.startsWith(success), body.constData());
        else
            QCOMPARE(body, refusal(refusedWith));
        for (const QString &member : membersRead)
            QVERIFY2(firstOccursAsMember(body, member), qPrintable(member));
    }

    void tokenLifetimeCountsFromTheServiceClock()
    {
        const qint64 advance = 365 * 86400;
        TestService service({"--token-lifetime=600", "--pbkdf2-iterations=1000"});
        Steps road(service);
        QVERIFY2(road.registerMobile(), road.last().body.constData());
        QVERIFY(service.advanceClock(advance));
        QVERIFY(!service.advanceClock(-1));
        const qint64 before = QDateTime::currentSecsSinceEpoch() + advance;
        QVERIFY(road.run("login"));
        const qint64 after = QDateTime::currentSecsSinceEpoch() + advance;

        // The client keeps the first "token" it finds, which is the access token.
        const QJsonObject reply = parsed(road.last().body);
        const QByteArray token = reply.value("token").toString().toLatin1();
        QCOMPARE(reply.value("access_token").toString().toLatin1(), token);
        const QByteArray payloadText =
            QByteArray::fromBase64(token.split('.').value(1), QByteArray::Base64UrlEncoding);
        // ... and reads exp from its payload without a JSON parser: exp comes first.
        QVERIFY2(payloadText.startsWith("{\"exp\":"), payloadText.constData());
        const QJsonObject payload = parsed(payloadText);
        const qint64 issuedAt = payload.value("iat").toInteger();
        QVERIFY2(issuedAt >= before && issuedAt <= after, qPrintable(QString::number(issuedAt)));
        QCOMPARE(payload.value("exp").toInteger(), issuedAt + 600);
        QCOMPARE(payload.value("mobile_no").toString(), mobile);
    }

    void outboxHoldsTheLatestCode()
    {
        TestService service;
        Steps road(service);
        QVERIFY(road.run("send") && road.run("send"));
        const QString code = service.latestOtp(newcomer);
        QCOMPARE(service.latestOtpVerificationId(newcomer), 2);
        QTRY_VERIFY(service.output().contains("OTP for " + newcomer + ": " + code));
        const QString outbox = "/dev/outbox?mobile_no=";
        const QJsonObject reply = parsed(service.request(outbox + newcomer).body);
        QCOMPARE(reply.value("otp").toString(), code);
        QCOMPARE(reply.value("otp_verification_id").toInt(), 2);
        QCOMPARE(service.request(outbox + mobile).body,
                 refusal("No OTP has been sent to this number."));
    }
};

QTEST_GUILESS_MAIN(tst_AccountService)
#include "tst_AccountService.moc"
