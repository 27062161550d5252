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

// The client reads replies as text: the first occurrence of a key, in any letter case,
// must be that member itself.
bool keyFirstOccursAsMember(const QByteArray &body, const QByteArray &key)
{
    const QByteArray upper = body.toUpper();
    return upper.indexOf(key.toUpper()) == upper.indexOf('"' + key.toUpper() + "\":") + 1;
}

QJsonObject validSignup()
{
    return {{"otp_verification_id", "1"},
            {"country_code", "+91"},
            {"mobile_no", mobile},
            {"email", "a.user@example.com"},
            {"full_name", "Asha"},
            {"password", password},
            {"password_confirmation", password},
            {"utm_source", "VelmoIT-"},
            {"mac_address", "AA-BB-CC-DD-EE-FF"},
            {"organization_name", "Asha & Co"},
            {"organization_type", "CORPORATE"},
            {"pincode", "400001"}};
}

// Runs the service to its end, as one that must refuse to start; its exit code.
int runServiceToFailure(const QString &dataDir, const QStringList &arguments, QProcess &process)
{
    process.start(qEnvironmentVariable("VELMO_TEST_ACCOUNT_SERVICE"),
                  QStringList{"--cert=" + TestService::tlsDir() + "/server.pem",
                              "--key=" + TestService::tlsDir() + "/server.key",
                              "--data-dir=" + dataDir} +
                      arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitCode();
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

    void passwordResetRefusesAnotherAccountsId()
    {
        TestService service;
        Client client(service);
        const int firstId = client.signUp(mobile, password);
        client.signUp("9000000003", password);
        const int otpId = client
                              .call("send-otp-forgot-password",
                                    {{"country_code", "+91"}, {"mobile_no", "9000000003"}})
                              .value("otp_verification_id")
                              .toInt();
        client.verifyOtp("9000000003", otpId, service.latestOtp("9000000003"));
        const QJsonObject reply =
            client.call("update-forgot-password", {{"otp_verification_id", QString::number(otpId)},
                                                   {"auth_user_id", QString::number(firstId)},
                                                   {"country_code", "+91"},
                                                   {"mobile_no", "9000000003"},
                                                   {"password", "Changed#123"},
                                                   {"password_confirmation", "Changed#123"}});
        QCOMPARE(reply.value("status").toInt(), 0);
        QCOMPARE(firstError(reply, "mobile_no"),
                 "This password reset does not match the account. Please start again.");
        QCOMPARE(client.login(mobile, password).value("status").toInt(), 1);
        QCOMPARE(client.login("9000000003", password).value("status").toInt(), 1);
    }

    void pendingOtpSurvivesARestart()
    {
        TestService service;
        Client client(service);
        const int otpId = client.sendOtpSignup(mobile).value("otp_verification_id").toInt();
        QVERIFY(service.restart());
        QCOMPARE(client.verifyOtp(mobile, otpId, service.latestOtp(mobile)).value("status").toInt(),
                 1);
        QCOMPARE(client.signup(mobile, otpId, password).value("status").toInt(), 1);
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
    void repliesKeepTheMembersTheClientReads()
    {
        TestService service;
        Client client(service);
        const HttpResult sent = client.post(
            "send-otp-signup",
            {{"country_code", "+91"}, {"mobile_no", mobile}, {"email", "a@example.com"}});
        QVERIFY(sent.body.startsWith("{\"status\":1,"));
        QVERIFY(keyFirstOccursAsMember(sent.body, "otp_verification_id"));
        client.signUp("9000000002", password);

        const HttpResult login = client.post("login", {{"country_code", "+91"},
                                                       {"mobile_no", "9000000002"},
                                                       {"mac_address", "AA"},
                                                       {"password", password}});
        QVERIFY(login.body.startsWith("{\"status\":1,"));
        QVERIFY(login.body.endsWith("\"}"));
        const HttpResult forgot = client.post(
            "send-otp-forgot-password", {{"country_code", "+91"}, {"mobile_no", "9000000002"}});
        QVERIFY(forgot.body.startsWith("{\"status\":1,"));
        QVERIFY(keyFirstOccursAsMember(forgot.body, "user_id"));
        QVERIFY(keyFirstOccursAsMember(forgot.body, "otp_verification_id"));
    }

    void signupFieldErrors_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("short mobile") << "mobile_no"
                                      << "98765432"
                                      << "mobile_no"
                                      << "The mobile number must be exactly 10 digits.";
        QTest::newRow("letters in mobile") << "mobile_no"
                                           << "98765x3210"
                                           << "mobile_no"
                                           << "The mobile number must be exactly 10 digits.";
        QTest::newRow("no mobile") << "mobile_no"
                                   << " "
                                   << "mobile_no"
                                   << "The mobile number is required.";
        QTest::newRow("country code without +") << "country_code"
                                                << "91"
                                                << "country_code"
                                                << "The country code must be a + followed by 1 "
                                                   "to 3 digits.";
        QTest::newRow("email without @") << "email"
                                         << "a.user.example.com"
                                         << "email"
                                         << "The email address is not valid.";
        QTest::newRow("blank name") << "full_name"
                                    << "   "
                                    << "full_name"
                                    << "The full name is required.";
        QTest::newRow("no firm") << "organization_name"
                                 << ""
                                 << "organization_name"
                                 << "The firm name is required.";
        QTest::newRow("short password") << "password"
                                        << "Ab1!xyz"
                                        << "password"
                                        << "The password must be at least 8 characters.";
        QTest::newRow("confirmation differs") << "password_confirmation"
                                              << "secret#123"
                                              << "password_confirmation"
                                              << "The password confirmation does not match.";
        QTest::newRow("organisation type") << "organization_type"
                                           << "ca"
                                           << "organization_type"
                                           << "The organisation type must be CA or CORPORATE.";
        QTest::newRow("five-digit pin") << "pincode"
                                        << "40001"
                                        << "pincode"
                                        << "The pin code must be exactly 6 digits.";
        QTest::newRow("id not a number") << "otp_verification_id"
                                         << "12a"
                                         << "otp_verification_id"
                                         << "The OTP verification id must be a positive whole "
                                            "number.";
    }
    void signupFieldErrors()
    {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, field);
        QFETCH(QString, message);
        TestService service;
        Client client(service);
        QJsonObject body = validSignup();
        body.insert(member, value);
        const HttpResult result = client.post("signup", body);
        QCOMPARE(result.httpStatus, 200);
        const QJsonObject reply = parsed(result.body);
        QCOMPARE(reply.value("status").toInt(), 0);
        QCOMPARE(reply.value("errors").toObject().keys(), QStringList{field});
        QCOMPARE(firstError(reply, field), message);
    }

    void fieldErrorsFollowTheRequestOrder()
    {
        TestService service;
        Client client(service);
        QJsonObject body = validSignup();
        body.insert("pincode", "1");
        body.insert("email", "");
        body.insert("mobile_no", "1");
        const HttpResult result = client.post("signup", body);
        QCOMPARE(result.body,
                 QByteArray("{\"status\":0,\"errors\":{\"mobile_no\":[\"The mobile number must be "
                            "exactly 10 digits.\"],\"email\":[\"The email address is required.\"],"
                            "\"pincode\":[\"The pin code must be exactly 6 digits.\"]}}"));
    }

    void sendOtpSignupRefusesARegisteredNumber()
    {
        TestService service;
        Client client(service);
        client.signUp(mobile, password);
        const QJsonObject reply = client.sendOtpSignup(mobile);
        QCOMPARE(reply.value("status").toInt(), 0);
        QCOMPARE(firstError(reply, "mobile_no"),
                 "This mobile number is already registered. Please sign in.");
    }

    void malformedRequests_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QString>("message");
        const QString login = authPath + "login";
        QTest::newRow("not JSON") << login << QByteArray("POST") << QByteArray("mobile_no=1") << 400
                                  << "The request body is not valid JSON (";
        QTest::newRow("empty body") << login << QByteArray("POST") << QByteArray() << 400
                                    << "The request body is not valid JSON (";
        QTest::newRow("cut short")
            << login << QByteArray("POST") << QByteArray("{\"mobile_no\":\"98") << 400
            << "The request body is not valid JSON (";
        QTest::newRow("array") << login << QByteArray("POST") << QByteArray("[\"x\"]") << 400
                               << "The request body must be a JSON object.";
        QTest::newRow("number member")
            << login << QByteArray("POST") << QByteArray("{\"mobile_no\":9876543210}") << 400
            << "The member \"mobile_no\" must be a JSON string.";
        QTest::newRow("GET on an endpoint") << login << QByteArray("GET") << QByteArray() << 405
                                            << "This method is not allowed here.";
        QTest::newRow("unknown endpoint")
            << authPath + "logout" << QByteArray("POST") << QByteArray("{}") << 404
            << "There is nothing at this address.";
    }
    void malformedRequests()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, body);
        QFETCH(int, httpStatus);
        QFETCH(QString, message);
        TestService service;
        const HttpResult result = httpRequest(service.baseUrl() + path, method, body);
        QCOMPARE(result.httpStatus, httpStatus);
        QVERIFY2(result.body.startsWith("{\"status\":0,"), result.body.constData());
        const QJsonObject errors = parsed(result.body).value("errors").toObject();
        QCOMPARE(errors.keys(), QStringList{"request"});
        QVERIFY2(errors.value("request").toArray().first().toString().startsWith(message),
                 result.body.constData());
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QNetworkReply::NetworkError>("error");
        QTest::addColumn<int>("httpStatus");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("bodyStart");
        QTest::addColumn<qint64>("bodySize");
        QTest::addColumn<bool>("operationRuns");
        QTest::newRow("HTML error page")
            << "http500-html" << QNetworkReply::InternalServerError << 500
            << QByteArray("text/html") << QByteArray("<!DOCTYPE html>") << qint64(-1) << false;
        QTest::newRow("empty body")
            << "empty-body" << QNetworkReply::NoError << 200 << QByteArray("application/json")
            << QByteArray() << qint64(0) << false;
        QTest::newRow("dropped connection")
            << "drop-connection" << QNetworkReply::RemoteHostClosedError << 0 << QByteArray()
            << QByteArray() << qint64(0) << false;
        QTest::newRow("malformed JSON")
            << "malformed-json" << QNetworkReply::NoError << 200 << QByteArray("application/json")
            << QByteArray("{\"status\":1,") << qint64(-1) << true;
        QTest::newRow("oversize") << "oversize:300000" << QNetworkReply::NoError << 200
                                  << QByteArray("application/json")
                                  << QByteArray("{\"status\":0,\"errors\":") << qint64(300000)
                                  << false;
    }
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QNetworkReply::NetworkError, error);
        QFETCH(int, httpStatus);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, bodyStart);
        QFETCH(qint64, bodySize);
        QFETCH(bool, operationRuns);
        TestService service({"--fault=" + fault});
        Client client(service);

        const HttpResult result = client.post(
            "send-otp-signup",
            {{"country_code", "+91"}, {"mobile_no", mobile}, {"email", "a@example.com"}});
        QCOMPARE(result.error, error);
        QCOMPARE(result.httpStatus, httpStatus);
        QCOMPARE(result.contentType, contentType);
        QVERIFY2(result.body.startsWith(bodyStart), result.body.left(200).constData());
        if (bodySize >= 0)
            QCOMPARE(result.body.size(), bodySize);
        QJsonParseError parseError;
        QJsonDocument::fromJson(result.body, &parseError);
        QCOMPARE(parseError.error == QJsonParseError::NoError, fault.startsWith("oversize"));
        QCOMPARE(!service.latestOtp(mobile).isEmpty(), operationRuns);

        // The status file and the outbox are not auth endpoints: they keep working.
        QCOMPARE(httpRequest(service.statusUrl(), "GET").body, QByteArray("1"));
    }

    void faultSwitchesWithoutARestart()
    {
        TestService service;
        Client client(service);
        QVERIFY(service.setFault("http500-html"));
        QCOMPARE(client.post("login", {}).httpStatus, 500);
        QVERIFY(!service.setFault("teapot"));
        QCOMPARE(client.post("login", {}).httpStatus, 500);
        QVERIFY(service.setFault("none"));
        const HttpResult result = client.post("login", {});
        QCOMPARE(result.httpStatus, 200);
        QVERIFY(result.body.startsWith("{\"status\":0,"));
    }

    void delayHoldsTheReplyBack()
    {
        TestService service({"--fault=delay:1"});
        Client client(service);
        const HttpResult slow = client.post(
            "send-otp-signup",
            {{"country_code", "+91"}, {"mobile_no", mobile}, {"email", "a@example.com"}});
        QVERIFY2(slow.elapsedMs >= 1000, qPrintable(QString::number(slow.elapsedMs)));
        QCOMPARE(parsed(slow.body).value("status").toInt(), 1);

        // A client that gives up first leaves the service unharmed when the delay ends.
        QVERIFY(service.setFault("delay:2"));
        QCOMPARE(client.post("login", {}, 300).error, QNetworkReply::TimeoutError);
        QTest::qWait(2200);
        QVERIFY(service.isRunning());
        QVERIFY(service.setFault("none"));
        QCOMPARE(client.post("login", {}).httpStatus, 200);
    }

    void statusFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("default") << QStringList() << QByteArray("text/plain; charset=utf-8")
                                 << QByteArray("1");
        QTest::newRow("blank, 1 and a line break")
            << QStringList{"--status-text= 1\r\n"} << QByteArray("text/plain; charset=utf-8")
            << QByteArray(" 1\r\n");
        QTest::newRow("latin-1 text")
            << QStringList{"--status-text=0 café", "--status-charset=iso-8859-1"}
            << QByteArray("text/plain; charset=iso-8859-1") << QByteArray("0 caf\xe9");
        QTest::newRow("utf-8 text")
            << QStringList{"--status-text=café"} << QByteArray("text/plain; charset=utf-8")
            << QByteArray("caf\xc3\xa9");
        QTest::newRow("no charset") << QStringList{"--status-text=1", "--status-charset="}
                                    << QByteArray("text/plain") << QByteArray("1");
    }
    void statusFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        TestService service(arguments);
        const HttpResult result = httpRequest(service.statusUrl(), "GET");
        QCOMPARE(result.httpStatus, 200);
        QCOMPARE(result.contentType, contentType);
        QCOMPARE(result.body, body);
    }

    void statusFileFromAFileAndAtRuntime()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("status.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1\n0");
        file.close();
        TestService service({"--status-file=" + file.fileName(), "--status-charset=windows-1252"});
        HttpResult result = httpRequest(service.statusUrl(), "GET");
        QCOMPARE(result.body, QByteArray("1\n0"));
        QCOMPARE(result.contentType, QByteArray("text/plain; charset=windows-1252"));

        QVERIFY(service.setStatus("0", "us-ascii"));
        result = httpRequest(service.statusUrl(), "GET");
        QCOMPARE(result.body, QByteArray("0"));
        QCOMPARE(result.contentType, QByteArray("text/plain; charset=us-ascii"));
        QVERIFY(!service.setStatus("1", "no-such-charset"));
        QCOMPARE(httpRequest(service.statusUrl(), "GET").body, QByteArray("0"));
    }

    void outboxIsReadableOverHttp()
    {
        TestService service;
        Client client(service);
        client.sendOtpSignup(mobile);
        client.sendOtpSignup(mobile);
        const HttpResult result =
            httpRequest(service.baseUrl() + "/dev/outbox?mobile_no=" + mobile, "GET");
        const QJsonObject reply = parsed(result.body);
        QCOMPARE(reply.value("status").toInt(), 1);
        QCOMPARE(reply.value("otp").toString(), service.latestOtp(mobile));
        QCOMPARE(reply.value("otp_verification_id").toInt(), 2);

        const HttpResult none =
            httpRequest(service.baseUrl() + "/dev/outbox?mobile_no=9000000009", "GET");
        QCOMPARE(none.httpStatus, 404);
        QCOMPARE(firstError(parsed(none.body), "mobile_no"),
                 "No OTP has been sent to this number.");
    }

    void certificates_data()
    {
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QNetworkReply::NetworkError>("error");
        QTest::newRow("private CA, this host") << "server" << QNetworkReply::NoError;
        QTest::newRow("untrusted CA")
            << "untrusted-server" << QNetworkReply::SslHandshakeFailedError;
        QTest::newRow("another host name") << "wronghost" << QNetworkReply::SslHandshakeFailedError;
    }
    void certificates()
    {
        QFETCH(QString, certificate);
        QFETCH(QNetworkReply::NetworkError, error);
        TestService service({}, certificate);
        QCOMPARE(httpRequest(service.statusUrl(), "GET").error, error);
    }

    void badStartOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown fault")
            << QStringList{"--fault=teapot"} << 2 << "unknown --fault \"teapot\"";
        QTest::newRow("delay without seconds")
            << QStringList{"--fault=delay"} << 2 << "unknown --fault \"delay\"";
        QTest::newRow("negative lifetime")
            << QStringList{"--token-lifetime=-5"} << 2 << "--token-lifetime needs a whole number";
        QTest::newRow("unknown charset") << QStringList{"--status-charset=no-such-charset"} << 1
                                         << "unknown charset \"no-such-charset\"";
        QTest::newRow("missing key") << QStringList{"--key=/nonexistent.key"} << 1
                                     << "no EC or RSA private key in /nonexistent.key";
    }
    void badStartOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir data;
        QProcess process;
        QCOMPARE(runServiceToFailure(data.path(), arguments, process), exitCode);
        QVERIFY2(process.readAllStandardError().contains(message.toUtf8()), qPrintable(message));
        QVERIFY(process.readAllStandardOutput().isEmpty());
    }

    void damagedStoreIsNeverOverwritten()
    {
        QTemporaryDir data;
        QFile store(data.filePath("accounts.json"));
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("{\"users\": [");
        store.close();
        QProcess process;
        QCOMPARE(runServiceToFailure(data.path(), {}, process), 1);
        QVERIFY(process.readAllStandardError().contains("is not a valid account store"));
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), QByteArray("{\"users\": ["));
    }
};

QTEST_GUILESS_MAIN(tst_AccountService)
#include "tst_AccountService.moc"
