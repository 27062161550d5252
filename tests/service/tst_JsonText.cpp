#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include "service/JsonRequestBody.h"
#include "service/JsonText.h"

using Members = QList<QPair<QString, QString>>;

class tst_JsonText : public QObject
{
    Q_OBJECT

private slots:
    void extractJsonValue_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<QString>("expected");

        QTest::newRow("status first, then a comma") << R"({"status":1,"token":"abc"})"
                                                    << "status" << true << "1";
        QTest::newRow("blank after the colon is kept") << R"({"status": 1,"errors":"x"})"
                                                       << "status" << true << " 1";
        QTest::newRow("quoted value at the very end") << R"({"status":1,"token":"abc.def.ghi"})"
                                                      << "token" << true << "abc.def.ghi";
        QTest::newRow("access_token before token wins") << R"({"access_token":"AAA","token":"BBB"})"
                                                        << "token" << true << "AAA";
        QTest::newRow("key matched without regard to case") << R"({"STATUS":1})"
                                                            << "status" << true << "1";
        QTest::newRow("value cut at its own comma") << R"({"name":"Shah, Ravi","status":1})"
                                                    << "name" << true << "Shah";
        QTest::newRow("colons inside the value are lost") << R"({"url":"https://a.example"})"
                                                          << "url" << true << "https//a.example";
        QTest::newRow("square brackets and blanks stay") << R"({"ids": [7,8]})"
                                                         << "ids" << true << " [7";
        QTest::newRow("length-changing upper case before the key")
            << R"({"straße":"groß","status":1})"
            << "status" << true << "1";
        QTest::newRow("missing key") << R"({"status":1})"
                                     << "token" << false << "";
        QTest::newRow("key without a colon after it") << R"(status)"
                                                      << "status" << false << "";
        QTest::newRow("no comma and no closing brace") << R"("status":1)"
                                                       << "status" << false << "";
        QTest::newRow("time-out text has no status") << "Connection Timed Out"
                                                     << "status" << false << "";
        QTest::newRow("empty reply") << ""
                                     << "status" << false << "";
        QTest::newRow("capitalised Errors is an ordinary key") << R"({"Errors":"one,two"})"
                                                               << "Errors" << true << "one";

        QTest::newRow("errors on mobile_no: the message alone")
            << R"({"status":0,"errors":{"mobile_no":["The mobile number is not registered."]}})"
            << "errors" << true << "The mobile number is not registered.";
        QTest::newRow("errors on another field keep its name")
            << R"({"status":0,"errors":{"email":["The email has already been taken."]}})"
            << "errors" << true << "email:The email has already been taken.";
        QTest::newRow("error key reads to the end")
            << R"({"status":0,"error":"Too many tries, wait."})"
            << "error" << true << "Too many tries, wait.";
        QTest::newRow("reply without the errors key: all of it, stripped")
            << R"({"status":0,"message":["x"]})"
            << "errors" << true << "status:0,message:x";
        QTest::newRow("time-out text as errors") << "Connection Timed Out"
                                                 << "errors" << true << "Connection Timed Out";
    }
    void extractJsonValue()
    {
        QFETCH(QString, reply);
        QFETCH(QString, key);
        QFETCH(bool, hasValue);
        QFETCH(QString, expected);
        const std::optional<QString> value = ExtractJsonValue(reply, key);
        QCOMPARE(value.has_value(), hasValue);
        if (hasValue)
            QCOMPARE(*value, expected);
    }

    // status is read as a 16-bit number, otp_verification_id and user_id as 32-bit ones.
    void extractJsonInteger_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        const QVariant none;
        QTest::newRow("status 1") << R"({"status":1,"token":"a"})"
                                  << "status" << QVariant(1);
        QTest::newRow("status written 1.0") << R"({"status":1.0,"token":"a"})"
                                            << "status" << QVariant(1);
        QTest::newRow("status as text") << R"({"status":"1"})"
                                        << "status" << QVariant(1);
        QTest::newRow("laid out over lines") << "{\n  \"status\": 1\n}"
                                             << "status" << QVariant(1);
        QTest::newRow("status with a fraction") << R"({"status":1.5})"
                                                << "status" << none;
        QTest::newRow("status that is no number") << R"({"status":"ok"})"
                                                  << "status" << none;
        QTest::newRow("status past 16 bits") << R"({"status":65537})"
                                             << "status" << none;
        QTest::newRow("id written 42.0") << R"({"status":1,"otp_verification_id":42.0})"
                                         << "otp_verification_id" << QVariant(42);
        QTest::newRow("id past 16 bits") << R"({"status":1,"user_id":70000})"
                                         << "user_id" << QVariant(70000);
        QTest::newRow("id past 32 bits") << R"({"status":1,"user_id":2147483648})"
                                         << "user_id" << none;
        QTest::newRow("missing") << R"({"status":1})"
                                 << "user_id" << none;
    }
    void extractJsonInteger()
    {
        QFETCH(QString, reply);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        QVariant value;
        if (key == u"status") {
            if (const std::optional<qint16> status = ExtractJsonInteger<qint16>(reply, key))
                value = int(*status);
        } else if (const std::optional<qint32> id = ExtractJsonInteger<qint32>(reply, key)) {
            value = int(*id);
        }
        QCOMPARE(value, expected);
    }

    void errorsRemovalIsMadeInTheCallersText()
    {
        QString reply = R"({"status":0,"errors":{"mobile_no":["Wrong number."]}})";
        ExtractJsonValue(reply, QStringLiteral("errors"));
        QCOMPARE(reply, QStringLiteral(R"({"status":0,"errors":"Wrong number."]}})"));

        QString untouched = R"({"errors":{"mobile_no":["x"]},"status":0})";
        const QString before = untouched;
        ExtractJsonValue(untouched, QStringLiteral("status"));
        QCOMPARE(untouched, before);
    }

    void getJsonValue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "mobile_no"
                               << "9876543210"
                               << R"("mobile_no":"9876543210")";
        QTest::newRow("number sent as a string") << "otp_verification_id"
                                                 << "42"
                                                 << R"("otp_verification_id":"42")";
        QTest::newRow("blanks inside the value stay") << "full_name"
                                                      << " A B "
                                                      << R"("full_name":" A B ")";
        QTest::newRow("empty value") << "email"
                                     << ""
                                     << R"("email":"")";
        QTest::newRow("double quote") << "password"
                                      << "a\"b"
                                      << "\"password\":\"a\\\"b\"";
        QTest::newRow("backslash") << "password"
                                   << R"(a\b)"
                                   << R"("password":"a\\b")";
        QTest::newRow("line feed and tab") << "full_name"
                                           << "a\nb\tc"
                                           << R"("full_name":"a\nb\tc")";
        QTest::newRow("other control character")
            << "full_name" << QString("a") + QChar(1) << R"("full_name":"a\u0001")";
        QTest::newRow("non-ASCII unchanged") << "full_name"
                                             << "Zoë ₹"
                                             << R"("full_name":"Zoë ₹")";
    }
    void getJsonValue()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(::getJsonValue(key, value), expected);
    }

    void requestBody_data()
    {
        QTest::addColumn<Members>("members");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no member") << Members{} << "{}";
        QTest::newRow("one member") << Members{{"a", "1"}} << R"({"a":"1"})";
        QTest::newRow("two members, no blank, no line break")
            << Members{{"country_code", "+91"}, {"mobile_no", "9876543210"}}
            << R"({"country_code":"+91","mobile_no":"9876543210"})";
        QTest::newRow("members keep their order")
            << Members{{"z", "1"}, {"a", "2"}, {"m", "3"}} << R"({"z":"1","a":"2","m":"3"})";
        QTest::newRow("carriage-return line-feed pairs removed")
            << Members{{"full_name", "Ravi\r\nShah\r\n"}} << R"({"full_name":"RaviShah"})";
        QTest::newRow("lone line feed and lone carriage return kept")
            << Members{{"full_name", "a\nb\rc"}} << R"({"full_name":"a\nb\rc"})";
    }
    void requestBody()
    {
        QFETCH(Members, members);
        QFETCH(QString, expected);
        JsonRequestBody body;
        for (const auto &[key, value] : members)
            body.add(key, value);
        QCOMPARE(body.text(), expected);
    }

    // What a JSON reader at the service sees is exactly what was typed, apart
    // from the removed line-break pairs.
    void bodyReadsBackAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("received");
        QTest::newRow("quote and backslash") << "p\"a\\ss\\"
                                             << "p\"a\\ss\\";
        QTest::newRow("tabs and lone line feeds") << "a\tb\nc"
                                                  << "a\tb\nc";
        QTest::newRow("control characters")
            << QString("x") + QChar(2) + QChar(31) << QString("x") + QChar(2) + QChar(31);
        QTest::newRow("non-ASCII") << "श्रीमती Müller €"
                                   << "श्रीमती Müller €";
        QTest::newRow("line-break pairs") << "a\r\nb\\\r\n"
                                          << "ab\\";
    }
    void bodyReadsBackAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, received);
        JsonRequestBody body;
        body.add(QStringLiteral("value"), typed).add(QStringLiteral("next"), QStringLiteral("1"));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(body.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.object().value("value").toString(), received);
        QCOMPARE(document.object().value("next").toString(), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_JsonText)
#include "tst_JsonText.moc"
