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
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *reply, const char *key,
                            const char *expected = "(no value)") {
            QTest::newRow(name) << QString::fromUtf8(reply) << QString::fromLatin1(key)
                                << QString::fromUtf8(expected);
        };
        row("status first, then a comma", R"({"status":1,"token":"abc"})", "status", "1");
        row("blank after the colon is kept", R"({"status": 1,"errors":"x"})", "status", " 1");
        row("quoted value at the very end", R"({"status":1,"token":"abc.def.ghi"})", "token",
            "abc.def.ghi");
        row("access_token before token wins", R"({"access_token":"AAA","token":"BBB"})", "token",
            "AAA");
        row("key matched without regard to case", R"({"STATUS":1})", "status", "1");
        row("value cut at its own comma", R"({"name":"Shah, Ravi","status":1})", "name", "Shah");
        row("colons inside the value are lost", R"({"url":"https://a.example"})", "url",
            "https//a.example");
        row("square brackets and blanks stay", R"({"ids": [7,8]})", "ids", " [7");
        row("length-changing upper case before the key", R"({"straße":"groß","status":1})",
            "status", "1");
        row("missing key", R"({"status":1})", "token");
        row("key without a colon after it", "status", "status");
        row("no comma and no closing brace", R"("status":1)", "status");
        row("time-out text has no status", "Connection Timed Out", "status");
        row("empty reply", "", "status");
        row("capitalised Errors is an ordinary key", R"({"Errors":"one,two"})", "Errors", "one");
        row("errors on mobile_no: the message alone",
            R"({"status":0,"errors":{"mobile_no":["The mobile number is not registered."]}})",
            "errors", "The mobile number is not registered.");
        row("errors on another field keep its name",
            R"({"status":0,"errors":{"email":["The email has already been taken."]}})", "errors",
            "email:The email has already been taken.");
        row("error key reads to the end", R"({"status":0,"error":"Too many tries, wait."})",
            "error", "Too many tries, wait.");
        row("reply without the errors key: all of it, stripped", R"({"status":0,"message":["x"]})",
            "errors", "status:0,message:x");
        row("time-out text as errors", "Connection Timed Out", "errors", "Connection Timed Out");
    }
    void extractJsonValue()
    {
        QFETCH(QString, reply);
        QFETCH(QString, key);
        QTEST(ExtractJsonValue(reply, key).value_or(QStringLiteral("(no value)")), "expected");
    }

    // status is read as a 16-bit number, otp_verification_id and user_id as 32-bit ones.
    void extractJsonInteger_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        const auto row = [](const char *name, const char *reply, const char *key,
                            const QVariant &expected = {}) {
            QTest::newRow(name) << QString::fromLatin1(reply) << QString::fromLatin1(key)
                                << expected;
        };
        row("status 1", R"({"status":1,"token":"a"})", "status", 1);
        row("status written 1.0", R"({"status":1.0,"token":"a"})", "status", 1);
        row("status as text", R"({"status":"1"})", "status", 1);
        row("laid out over lines", "{\n  \"status\": 1\n}", "status", 1);
        row("status with a fraction", R"({"status":1.5})", "status");
        row("status that is no number", R"({"status":"ok"})", "status");
        row("status past 16 bits", R"({"status":65537})", "status");
        row("id written 42.0", R"({"status":1,"otp_verification_id":42.0})", "otp_verification_id",
            42);
        row("id past 16 bits", R"({"status":1,"user_id":70000})", "user_id", 70000);
        row("id past 32 bits", R"({"status":1,"user_id":2147483648})", "user_id");
        row("missing", R"({"status":1})", "user_id");
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
        const auto row = [](const char *name, const char *key, const QString &value,
                            const char *expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << value << QString::fromUtf8(expected);
        };
        row("plain", "mobile_no", "9876543210", R"("mobile_no":"9876543210")");
        row("number sent as a string", "otp_verification_id", "42",
            R"("otp_verification_id":"42")");
        row("blanks inside the value stay", "full_name", " A B ", R"("full_name":" A B ")");
        row("empty value", "email", "", R"("email":"")");
        row("double quote", "password", "a\"b", "\"password\":\"a\\\"b\"");
        row("backslash", "password", R"(a\b)", R"("password":"a\\b")");
        row("line feed and tab", "full_name", "a\nb\tc", R"("full_name":"a\nb\tc")");
        row("other control character", "full_name", QString("a") + QChar(1),
            R"("full_name":"a\u0001")");
        row("non-ASCII unchanged", "full_name", "Zoë ₹", R"("full_name":"Zoë ₹")");
    }
    void getJsonValue()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QTEST(::getJsonValue(key, value), "expected");
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
        const auto row = [](const char *name, const QString &typed,
                            const char *received = nullptr) {
            QTest::newRow(name) << typed << (received ? QString::fromLatin1(received) : typed);
        };
        row("quote and backslash", "p\"a\\ss\\");
        row("tabs and lone line feeds", "a\tb\nc");
        row("control characters", QString("x") + QChar(2) + QChar(31));
        row("non-ASCII", "श्रीमती Müller €");
        row("line-break pairs", "a\r\nb\\\r\n", "ab\\");
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
