#include <QtTest>

#include <cstdlib>
#include <ctime>

#include "service/TokenCheck.h"
#include "service/TokenExpiry.h"

namespace
{

const QString mobile = QStringLiteral("9876543210");
const QString machine = QStringLiteral("AA-BB-CC-DD-EE-FF");

// The exp that makes the expiry text read exactly this wall-clock moment.
qint64 expFor(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC).toSecsSinceEpoch() - 19800;
}

QString tokenWithPayload(const QByteArray &payload)
{
    return QStringLiteral("eyJhbGciOiJIUzI1NiJ9.") +
           QString::fromLatin1(
               payload.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)) +
           QStringLiteral(".c2lnbmF0dXJl");
}

QString tokenExpiringAt(qint64 exp)
{
    return tokenWithPayload(QStringLiteral(R"({"sub":"7","exp":%1,"iat":1})").arg(exp).toUtf8());
}

} // namespace

class tst_TokenCheck : public QObject
{
    Q_OBJECT

private:
    // A local moment in a zone with daylight saving, far from the fixed +5:30.
    const QDateTime now{QDate(2026, 3, 1), QTime(12, 0, 0), Qt::LocalTime};

private slots:
    void initTestCase()
    {
        qputenv("TZ", "America/New_York");
        tzset();
    }

    void wrapByte_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("255") << 255 << 255;
        QTest::newRow("256") << 256 << 0;
        QTest::newRow("300") << 300 << 44;
        QTest::newRow("511") << 511 << 255;
        QTest::newRow("-1") << -1 << 255;
        QTest::newRow("-254") << -254 << 2;
        QTest::newRow("-255") << -255 << 256;
        QTest::newRow("-256") << -256 << 255;
    }
    void wrapByte()
    {
        QFETCH(int, value);
        QTEST(WrapByte(value), "expected");
    }

    void makeTokenCheck_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("mobileNo");
        QTest::addColumn<QString>("machineAddress");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *token, const char *expected,
                            const QString &mobileNo = mobile,
                            const QString &machineAddress = machine) {
            QTest::newRow(name) << QString::fromUtf8(token) << mobileNo << machineAddress
                                << QString::fromUtf8(expected);
        };
        // Reference values worked out by hand from the key, its middle and the sums.
        row("two characters, key of 44", "ab", "Ûá");
        row("five characters", "eyJ.x", "ñ®Éøî", "9123456789", "00-11-22-33-44-55");
        row("key of 18 wraps to its start", "Token", "åÕì¬È", "9", "");
        row("key of 45, middle 22", "abc", "§Ýã", "98765432100");
        row("key of 46, middle 23", "abc", "¨Þä", "987654321000");
        row("code 0 written as #(0)", "‡", "#(0)");
        row("quote written as #(39)", "®", "#(39)");
        row("backslash written as #(92)", "ã", "#(92)");
        row("character outside the code page counts as ?", "ā", "¸");
        row("empty token", "", "");
    }
    void makeTokenCheck()
    {
        QFETCH(QString, token);
        QFETCH(QString, mobileNo);
        QFETCH(QString, machineAddress);
        QTEST(MakeTokenCheck(token, mobileNo, machineAddress), "expected");
    }

    void base64DecodeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *text, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(expected);
        };
        row("standard, padded", "eyJleHAiOjF9", R"({"exp":1})");
        row("padding left out", "eyJleHAiOjEwfQ", R"({"exp":10})");
        row("padding present", "eyJleHAiOjEwfQ==", R"({"exp":10})");
        row("URL-safe alphabet", "-_8", "ûÿ");
        row("standard alphabet", "+/8=", "ûÿ");
        row("bytes read through the code page", "gJ8=", "€Ÿ");
        row("not Base64", "@@@@", "");
        row("non-ASCII text", "ZXhw€", "");
        row("empty", "", "");
    }
    void base64DecodeText()
    {
        QFETCH(QString, text);
        QTEST(Base64DecodeText(text), "expected");
    }

    void epochToExpiryText_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the epoch") << 0.0 << "01/01/1970 05:30:00";
        QTest::newRow("offset cancelled") << -19800.0 << "01/01/1970 00:00:00";
        QTest::newRow("a recent moment") << 1700000000.0 << "15/11/2023 03:43:20";
        QTest::newRow("summer in the test's zone") << 1719792000.0 << "01/07/2024 05:30:00";
        QTest::newRow("beyond the year 9999") << 1e12 << "";
        QTest::newRow("not a number") << std::nan("") << "";
    }
    void epochToExpiryText()
    {
        QFETCH(double, seconds);
        QTEST(EpochToExpiryText(seconds), "expected");
    }

    void usableToken_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("checkMobile"); // none: no stored check
        QTest::addColumn<QString>("checkMachine");
        QTest::addColumn<bool>("usable");
        const qint64 atNow = expFor(now.date(), now.time());
        QTest::newRow("expires in one second")
            << tokenExpiringAt(atNow + 1) << mobile << machine << true;
        QTest::newRow("expires now") << tokenExpiringAt(atNow) << mobile << machine << false;
        QTest::newRow("expired a second ago")
            << tokenExpiringAt(atNow - 1) << mobile << machine << false;
        QTest::newRow("check made for another number")
            << tokenExpiringAt(atNow + 3600) << "9123456789" << machine << false;
        QTest::newRow("check made on another machine")
            << tokenExpiringAt(atNow + 3600) << mobile << "11-22-33-44-55-66" << false;
        QTest::newRow("empty token") << "" << mobile << machine << false;
        QTest::newRow("empty stored check")
            << tokenExpiringAt(atNow + 3600) << QString() << machine << false;
        QTest::newRow("no second part") << "eyJleHAiOjk5OTk5OTk5OTl9" << mobile << machine << false;
        QTest::newRow("payload not Base64") << "a.@@@.c" << mobile << machine << false;
        QTest::newRow("payload without exp")
            << tokenWithPayload(R"({"sub":"7"})") << mobile << machine << false;
        QTest::newRow("exp not a number")
            << tokenWithPayload(R"({"exp":"soon"})") << mobile << machine << false;
        QTest::newRow("exp beyond the year 9999")
            << tokenWithPayload(R"({"exp":99999999999999})") << mobile << machine << false;
    }
    void usableToken()
    {
        QFETCH(QString, token);
        QFETCH(QString, checkMobile);
        QFETCH(QString, checkMachine);
        const QString storedCheck =
            checkMobile.isNull() ? QString() : MakeTokenCheck(token, checkMobile, checkMachine);
        QTEST(IsTokenUsable(token, storedCheck, mobile, machine, now), "usable");
    }
};

QTEST_GUILESS_MAIN(tst_TokenCheck)
#include "tst_TokenCheck.moc"
