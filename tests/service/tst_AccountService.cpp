#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QtTest>

#include "TestService.h"

namespace
{

const QString authPath = QStringLiteral("/api/service/v1/auth/user/");
const QString mobile = QStringLiteral("9876543210");
const QString password = QStringLiteral("Secret#123");

struct HttpResult {
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    int httpStatus = 0;
    QByteArray contentType;
    QByteArray body;
    qint64 elapsedMs = 0;
};

// One HTTPS request that trusts the private CA only.
HttpResult httpRequest(const QString &url, const QByteArray &method, const QByteArray &body = {},
                       int timeoutMs = 10000)
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates(QSslCertificate::fromPath(TestService::caBundle()));
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    QNetworkRequest request{QUrl(url)};
    request.setSslConfiguration(tls);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));

    QNetworkAccessManager manager;
    QElapsedTimer clock;
    clock.start();
    QNetworkReply *reply = manager.sendCustomRequest(request, method, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();

    HttpResult result;
    result.elapsedMs = clock.elapsed();
    if (!reply->isFinished()) {
        reply->abort();
        result.error = QNetworkReply::TimeoutError;
        return result;
    }
    result.error = reply->error();
    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    result.body = reply->readAll();
    return result;
}

QByteArray jsonBody(const QJsonObject &members)
{
    return QJsonDocument(members).toJson(QJsonDocument::Compact);
}

QJsonObject parsed(const QByteArray &body)
{
    return QJsonDocument::fromJson(body).object();
}

// The message of the first field error of a refusal.
QString firstError(const QJsonObject &reply, const QString &field)
{
    return reply.value("errors").toObject().value(field).toArray().first().toString();
}

class Client
{
public:
    explicit Client(TestService &service) : m_service(service) {}

    HttpResult post(const QString &endpoint, const QJsonObject &members, int timeoutMs = 10000)
    {
        return httpRequest(m_service.baseUrl() + authPath + endpoint, "POST", jsonBody(members),
                           timeoutMs);
    }
    QJsonObject call(const QString &endpoint, const QJsonObject &members)
    {
        const HttpResult result = post(endpoint, members);
        [&] {
            QCOMPARE(result.error, QNetworkReply::NoError);
            QVERIFY2(result.body.startsWith("{\"status\":"), result.body.constData());
        }();
        return parsed(result.body);
    }

    QJsonObject sendOtpSignup(const QString &number)
    {
        return call(
            "send-otp-signup",
            {{"country_code", "+91"}, {"mobile_no", number}, {"email", "a.user@example.com"}});
    }
    QJsonObject verifyOtp(const QString &number, int otpId, const QString &code)
    {
        return call("verify-otp", {{"country_code", "+91"},
                                   {"mobile_no", number},
                                   {"otp_verification_id", QString::number(otpId)},
                                   {"otp", code}});
    }
    QJsonObject signup(const QString &number, int otpId, const QString &newPassword)
    {
        return call("signup", {{"otp_verification_id", QString::number(otpId)},
                               {"country_code", "+91"},
                               {"mobile_no", number},
                               {"email", "a.user@example.com"},
                               {"full_name", "Asha O'Brien"},
                               {"password", newPassword},
                               {"password_confirmation", newPassword},
                               {"utm_source", "VelmoIT-22.1"},
                               {"mac_address", "AA-BB-CC-DD-EE-FF"},
                               {"organization_name", "O'Brien & Co"},
                               {"organization_type", "CA"},
                               {"pincode", "400001"}});
    }
    QJsonObject login(const QString &number, const QString &typedPassword)
    {
        return call("login", {{"country_code", "+91"},
                              {"mobile_no", number},
                              {"mac_address", "AA-BB-CC-DD-EE-FF"},
                              {"password", typedPassword}});
    }
    // The whole sign-up road; the new account's id.
    int signUp(const QString &number, const QString &newPassword)
    {
        const int otpId = sendOtpSignup(number).value("otp_verification_id").toInt();
        verifyOtp(number, otpId, m_service.latestOtp(number));
        return signup(number, otpId, newPassword).value("user_id").toInt();
    }

private:
    TestService &m_service;
};

QByteArray base64UrlDecode(const QByteArray &text)
{
    return QByteArray::fromBase64(text, QByteArray::Base64UrlEncoding |
                                            QByteArray::AbortOnBase64DecodingErrors);
}

QByteArray tokenSecret(const TestService &service)
{
    QFile file(service.dataDir() + "/token-secret");
    return file.open(QIODevice::ReadOnly) ? QByteArray::fromBase64(file.readAll().trimmed())
                                          : QByteArray();
}

} // namespace

class tst_AccountService : public QObject
{
    Q_OBJECT

private slots:
    void signUpVerifyAndLogInGivesSignedToken()
    {
        TestService service({"--token-lifetime=600"});
        Client client(service);

        const QJsonObject sent = client.sendOtpSignup(mobile);
        QCOMPARE(sent.value("status").toInt(), 1);
        const int otpId = sent.value("otp_verification_id").toInt();
        QVERIFY(otpId > 0);
        QCOMPARE(service.latestOtpVerificationId(mobile), otpId);
        const QString code = service.latestOtp(mobile);
        QVERIFY2(QRegularExpression("^[0-9]{6}$").match(code).hasMatch(), qPrintable(code));
        QTRY_VERIFY(service.output().contains(QStringLiteral("OTP for %1: %2").arg(mobile, code)));

        const QJsonObject verified = client.verifyOtp(mobile, otpId, code);
        QCOMPARE(verified.value("status").toInt(), 1);
        QCOMPARE(verified.value("otp_verification_id").toInt(), otpId);

        const QJsonObject created = client.signup(mobile, otpId, password);
        QCOMPARE(created.value("status").toInt(), 1);
        QVERIFY(created.value("user_id").toInt() > 0);

        const qint64 before = QDateTime::currentSecsSinceEpoch();
        const QJsonObject loggedIn = client.login(mobile, password);
        QCOMPARE(loggedIn.value("status").toInt(), 1);
        const QByteArray token = loggedIn.value("token").toString().toLatin1();
        QCOMPARE(loggedIn.value("access_token").toString().toLatin1(), token);

        const QList<QByteArray> parts = token.split('.');
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parsed(base64UrlDecode(parts[0])).value("alg").toString(), "HS256");
        const QByteArray payloadText = base64UrlDecode(parts[1]);
        QVERIFY2(payloadText.startsWith("{\"exp\":"), payloadText.constData());
        const QJsonObject payload = parsed(payloadText);
        const qint64 exp = payload.value("exp").toInteger();
        QVERIFY(exp >= before + 600 && exp <= QDateTime::currentSecsSinceEpoch() + 600);
        QCOMPARE(payload.value("mobile_no").toString(), mobile);
        const QByteArray signature = QMessageAuthenticationCode::hash(
            parts[0] + '.' + parts[1], tokenSecret(service), QCryptographicHash::Sha256);
        QCOMPARE(base64UrlDecode(parts[2]), signature);
    }

    void loginRefusals_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("typedPassword");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong password") << mobile << "Secret#124"
                                        << "mobile_no"
                                        << "The password is incorrect.";
        QTest::newRow("password in another case") << mobile << password.toLower() << "mobile_no"
                                                  << "The password is incorrect.";
        QTest::newRow("unknown number")
            << "9000000001" << password << "mobile_no"
            << "This mobile number is not registered. Please sign up first.";
        QTest::newRow("short number") << "98765" << password << "mobile_no"
                                      << "The mobile number must be exactly 10 digits.";
        QTest::newRow("no password") << mobile << ""
                                     << "password"
                                     << "The password is required.";
    }
    void loginRefusals()
    {
        QFETCH(QString, number);
        QFETCH(QString, typedPassword);
        QFETCH(QString, field);
        QFETCH(QString, message);
        TestService service;
        Client client(service);
        QVERIFY(client.signUp(mobile, password) > 0);

        const HttpResult result = client.post("login", {{"country_code", "+91"},
                                                        {"mobile_no", number},
                                                        {"mac_address", "AA"},
                                                        {"password", typedPassword}});
        QCOMPARE(result.httpStatus, 200);
        QVERIFY2(result.body.startsWith("{\"status\":0,\"errors\":{"), result.body.constData());
        QCOMPARE(firstError(parsed(result.body), field), message);
        QVERIFY(!result.body.contains("token"));
    }

    void wrongOtpLocksAfterFiveTries()
    {
        TestService service;
        Client client(service);
        const int otpId = client.sendOtpSignup(mobile).value("otp_verification_id").toInt();
        const QString code = service.latestOtp(mobile);
        const QString wrong = code == "000000" ? "111111" : "000000";

        const QStringList expected{
            "The OTP is incorrect. 4 attempts left.", "The OTP is incorrect. 3 attempts left.",
            "The OTP is incorrect. 2 attempts left.", "The OTP is incorrect. 1 attempt left.",
            "The OTP is incorrect. Too many wrong attempts: please request "
            "a new OTP."};
        for (const QString &message : expected) {
            const QJsonObject reply = client.verifyOtp(mobile, otpId, wrong);
            QCOMPARE(reply.value("status").toInt(), 0);
            QCOMPARE(firstError(reply, "mobile_no"), message);
        }
        const QJsonObject locked = client.verifyOtp(mobile, otpId, code);
        QCOMPARE(locked.value("status").toInt(), 0);
        QCOMPARE(firstError(locked, "mobile_no"),
                 "Too many wrong attempts. Please request a new OTP.");

        const int freshId = client.sendOtpSignup(mobile).value("otp_verification_id").toInt();
        QVERIFY(freshId != otpId);
        QCOMPARE(
            client.verifyOtp(mobile, freshId, service.latestOtp(mobile)).value("status").toInt(),
            1);
    }

    void otpExpires()
    {
        TestService service({"--otp-lifetime=1"});
        Client client(service);
        const int otpId = client.sendOtpSignup(mobile).value("otp_verification_id").toInt();
        const QString code = service.latestOtp(mobile);
        // Lifetimes count whole seconds: two boundaries later the code is surely over.
        QTest::qWait(2100);
        const QJsonObject reply = client.verifyOtp(mobile, otpId, code);
        QCOMPARE(reply.value("status").toInt(), 0);
        QCOMPARE(firstError(reply, "mobile_no"), "The OTP has expired. Please request a new OTP.");
    }

    void otpRules_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("sign up twice with one code")
            << "reuse"
            << "This OTP has already been used. Please request a new OTP.";
        QTest::newRow("sign up without verifying")
            << "unverified"
            << "Please verify the OTP sent to your mobile number first.";
        QTest::newRow("verify for another number")
            << "other number"
            << "No OTP was sent for this request. Please request a new OTP.";
        QTest::newRow("reset with a sign-up code")
            << "wrong purpose"
            << "No OTP was sent for this request. Please request a new OTP.";
    }
    void otpRules()
    {
        QFETCH(QString, step);
        QFETCH(QString, message);
        TestService service;
        Client client(service);
        const int otpId = client.sendOtpSignup(mobile).value("otp_verification_id").toInt();
        const QString code = service.latestOtp(mobile);

        QJsonObject reply;
        if (step == "reuse") {
            client.verifyOtp(mobile, otpId, code);
            QCOMPARE(client.signup(mobile, otpId, password).value("status").toInt(), 1);
            reply = client.verifyOtp(mobile, otpId, code);
        } else if (step == "unverified") {
            reply = client.signup(mobile, otpId, password);
        } else if (step == "other number") {
            reply = client.verifyOtp("9123456789", otpId, code);
        } else {
            client.verifyOtp(mobile, otpId, code);
            reply = client.call("update-forgot-password",
                                {{"otp_verification_id", QString::number(otpId)},
                                 {"auth_user_id", "1"},
                                 {"country_code", "+91"},
                                 {"mobile_no", mobile},
                                 {"password", password},
                                 {"password_confirmation", password}});
        }
        QCOMPARE(reply.value("status").toInt(), 0);
        QCOMPARE(firstError(reply, "mobile_no"), message);
    }

    void passwordResetReplacesThePassword()
    {
        TestService service;
        Client client(service);
        const int userId = client.signUp(mobile, password);

        const QJsonObject sent = client.call("send-otp-forgot-password",
                                             {{"country_code", "+91"}, {"mobile_no", mobile}});
        QCOMPARE(sent.value("status").toInt(), 1);
        QCOMPARE(sent.value("user_id").toInt(), userId);
        const int otpId = sent.value("otp_verification_id").toInt();
        QCOMPARE(client.verifyOtp(mobile, otpId, service.latestOtp(mobile)).value("status").toInt(),
                 1);

        const QString newPassword = QStringLiteral("N3w\"pa\\ss wörd");
        const QJsonObject updated =
            client.call("update-forgot-password", {{"otp_verification_id", QString::number(otpId)},
                                                   {"auth_user_id", QString::number(userId)},
                                                   {"country_code", "+91"},
                                                   {"mobile_no", mobile},
                                                   {"password", newPassword},
                                                   {"password_confirmation", newPassword}});
        QCOMPARE(updated.value("status").toInt(), 1);
        QCOMPARE(client.login(mobile, password).value("status").toInt(), 0);
        QCOMPARE(client.login(mobile, newPassword).value("status").toInt(), 1);
    }

    void accountsSurviveARestartWithoutClearPasswords()
    {
        TestService service;
        Client client(service);
        client.signUp(mobile, password);
        const QByteArray firstToken =
            client.login(mobile, password).value("token").toString().toLatin1();

        QVERIFY(service.restart());
        const QJsonObject reply = client.login(mobile, password);
        QCOMPARE(reply.value("status").toInt(), 1);
        // The same signing key after the restart: the header and signature scheme still verify.
        const QList<QByteArray> parts = reply.value("token").toString().toLatin1().split('.');
        QCOMPARE(base64UrlDecode(parts[2]),
                 QMessageAuthenticationCode::hash(parts[0] + '.' + parts[1], tokenSecret(service),
                                                  QCryptographicHash::Sha256));
        QCOMPARE(firstToken.split('.').first(), parts[0]);

        QFile store(service.dataDir() + "/accounts.json");
        QVERIFY(store.open(QIODevice::ReadOnly));
        const QByteArray stored = store.readAll();
        QVERIFY(stored.contains(mobile.toLatin1()));
        QVERIFY(!stored.contains(password.toUtf8()));
        QVERIFY(!stored.contains(password.toUtf8().toBase64()));
    }
};

QTEST_GUILESS_MAIN(tst_AccountService)
#include "tst_AccountService.moc"
