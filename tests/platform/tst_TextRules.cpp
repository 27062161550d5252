#include <QtTest>

#include "platform/TextRules.h"

class tst_TextRules : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("leading blanks") << "  12" << 12.0;
        QTest::newRow("blanks inside are skipped") << "1 2 3" << 123.0;
        QTest::newRow("tab, sign, stops at letter") << "\t-3.5abc" << -3.5;
        QTest::newRow("line feed skipped") << "1\n0" << 10.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent with sign") << "1E+2x" << 100.0;
        QTest::newRow("exponent without digits ignored") << "1e" << 1.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("minus inside stops") << "12-3" << 12.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("range text reads its first piece") << "10:20" << 10.0;
        QTest::newRow("fourteen nines") << "-99999999999999" << -99999999999999.0;
    }
    void numericValue()
    {
        QFETCH(QString, text);
        QTEST(TextRules::numericValue(text), "expected");
    }

    void isNumeric_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("digits") << "12" << true;
        QTest::newRow("surrounding blanks") << " 12 " << true;
        QTest::newRow("negative decimal") << "-1.5" << true;
        QTest::newRow("exponent") << "1e3" << true;
        QTest::newRow("longer than a double holds") << "1234567890123456789012345678901234" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("trailing letters") << "12abc" << false;
        QTest::newRow("lone point") << "." << false;
        QTest::newRow("two points") << "1.2.3" << false;
        QTest::newRow("blank inside") << "1 2" << false;
        QTest::newRow("tab before") << "\t12" << false;
        QTest::newRow("line feed after") << "12\n" << false;
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QTEST(TextRules::isNumeric(text), "expected");
    }

    void trimBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks around") << "  a b  " << QString("a b");
        QTest::newRow("tab and line breaks stay") << " \ta\r\n " << QString("\ta\r\n");
        QTest::newRow("only blanks") << "   " << QString();
    }
    void trimBlanks()
    {
        QFETCH(QString, text);
        QTEST(TextRules::trimBlanks(text), "expected");
    }

    // Each text read as a whole number, then as a 16-bit one; an invalid QVariant is none.
    void wholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("whole");
        QTest::addColumn<QVariant>("short16");
        const QVariant none;
        QTest::newRow("digit") << "1" << QVariant(1LL) << QVariant(1);
        QTest::newRow("point zero") << "1.0" << QVariant(1LL) << QVariant(1);
        QTest::newRow("blanks and a leading zero") << " 01 " << QVariant(1LL) << QVariant(1);
        QTest::newRow("exponent") << "7e1" << QVariant(70LL) << QVariant(70);
        QTest::newRow("negative") << "-12" << QVariant(-12LL) << QVariant(-12);
        QTest::newRow("largest 16-bit") << "32767" << QVariant(32767LL) << QVariant(32767);
        QTest::newRow("past 16 bits") << "32768" << QVariant(32768LL) << none;
        QTest::newRow("below 16 bits") << "-32769" << QVariant(-32769LL) << none;
        QTest::newRow("past 64 bits") << "9223372036854775808" << none << none;
        QTest::newRow("a half is no whole number") << "1.5" << none << none;
        QTest::newRow("word") << "one" << none << none;
        QTest::newRow("tab before") << "\t1" << none << none;
        QTest::newRow("empty") << "" << none << none;
    }
    void wholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, whole);
        QFETCH(QVariant, short16);
        const std::optional<qint64> value = TextRules::wholeNumber(text);
        QCOMPARE(value ? QVariant(qlonglong(*value)) : QVariant(), whole);
        const std::optional<qint16> narrow = TextRules::wholeNumberAs<qint16>(text);
        QCOMPARE(narrow ? QVariant(int(*narrow)) : QVariant(), short16);
    }

    void decimalText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("fraction without trailing zero") << 100.50 << "100.5";
        QTest::newRow("negative integer") << -3.0 << "-3";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("fourteen digits") << -99999999999999.0 << "-99999999999999";
        QTest::newRow("ten digits") << 9876543210.0 << "9876543210";
        QTest::newRow("very large") << 1e20 << "1E+20";
    }
    void decimalText()
    {
        QFETCH(double, value);
        QTEST(TextRules::decimalText(value), "expected");
    }

    void formatFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half away from zero, binary inexact") << 2.675 << 2 << "2.68";
        QTest::newRow("half up") << 0.125 << 2 << "0.13";
        QTest::newRow("negative half away") << -0.125 << 2 << "-0.13";
        QTest::newRow("zero padded") << 0.0 << 2 << "0.00";
        QTest::newRow("no decimals, no point") << 1234.5 << 0 << "1235";
        QTest::newRow("negative half, no decimals") << -2.5 << 0 << "-3";
        QTest::newRow("half below one") << 0.5 << 0 << "1";
        QTest::newRow("carry into integer") << 99.995 << 2 << "100.00";
        QTest::newRow("tiny negative shows no sign") << -0.001 << 2 << "0.00";
        QTest::newRow("three decimals") << 5.0 << 3 << "5.000";
        QTest::newRow("far below the last decimal") << 1e-20 << 2 << "0.00";
        QTest::newRow("upper default limit") << 99999999999999.0 << 2 << "99999999999999.00";
        QTest::newRow("negative decimals count as none") << 7.4 << -1 << "7";
    }
    void formatFixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(TextRules::formatFixed(value, decimals), "expected");
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("2.5 to even") << 2.5 << 0 << 2.0;
        QTest::newRow("3.5 to even") << 3.5 << 0 << 4.0;
        QTest::newRow("-2.5 to even") << -2.5 << 0 << -2.0;
        QTest::newRow("0.5 to zero") << 0.5 << 0 << 0.0;
        QTest::newRow("above half") << 2.51 << 0 << 3.0;
        QTest::newRow("0.125 to even") << 0.125 << 2 << 0.12;
        QTest::newRow("0.135 to even") << 0.135 << 2 << 0.14;
        QTest::newRow("decimal reading, not binary") << 1.005 << 2 << 1.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QTEST(TextRules::roundHalfEven(value, decimals), "expected");
    }

    // "none": no exact decimal.
    void exactDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading zeros dropped") << "0012345"
                                               << "12345";
        QTest::newRow("ten-digit mobile") << "9876543210"
                                          << "9876543210";
        QTest::newRow("trailing zero dropped") << "1.50"
                                               << "1.5";
        QTest::newRow("negative zero") << "-0"
                                       << "0";
        QTest::newRow("all zeros") << "000"
                                   << "0";
        QTest::newRow("exponent") << "1e3"
                                  << "1000";
        QTest::newRow("negative exponent") << "25e-3"
                                           << "0.025";
        QTest::newRow("blanks around") << " 42 "
                                       << "42";
        QTest::newRow("28 digits kept") << "1234567890123456789012345678"
                                        << "1234567890123456789012345678";
        QTest::newRow("fraction beyond 28 digits rounds half even")
            << "0.12345678901234567890123456785"
            << "0.1234567890123456789012345678";
        QTest::newRow("29 integer digits") << "12345678901234567890123456789"
                                           << "none";
        QTest::newRow("letters") << "12abc"
                                 << "none";
        QTest::newRow("empty") << ""
                               << "none";
    }
    void exactDecimal()
    {
        QFETCH(QString, text);
        QTEST(TextRules::exactDecimal(text).value_or(QStringLiteral("none")), "expected");
    }

    void normaliseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("currentYear");
        QTest::addColumn<QString>("expected");
        QTest::newRow("points, two-digit year") << "5.6.24" << 2026 << "05/06/2024";
        QTest::newRow("dashes, year in the last century") << "31-12-75" << 2026 << "31/12/1975";
        QTest::newRow("no such day") << "30/02/2024" << 2026 << "";
        QTest::newRow("no year reads 2000") << "5/6" << 2026 << "05/06/2000";
        QTest::newRow("49 is this century") << "1/1/49" << 2026 << "01/01/2049";
        QTest::newRow("50 is the last century") << "1/1/50" << 2026 << "01/01/1950";
        QTest::newRow("00 is 2000") << "1/1/00" << 2026 << "01/01/2000";
        QTest::newRow("one-digit year") << "1/1/7" << 2026 << "01/01/2007";
        QTest::newRow("three-digit year keeps its last two") << "1/1/124" << 2026 << "01/01/2024";
        QTest::newRow("window holds next century") << "1/1/124" << 2126 << "01/01/2024";
        QTest::newRow("four-digit year") << "1/1/1999" << 2026 << "01/01/1999";
        QTest::newRow("not a leap year") << "29/2/2023" << 2026 << "";
        QTest::newRow("leap year") << "29/2/24" << 2026 << "29/02/2024";
        QTest::newRow("month first is not read") << "12/31/2024" << 2026 << "";
        QTest::newRow("four pieces") << "5/6/24/7" << 2026 << "";
        QTest::newRow("letters") << "abc" << 2026 << "";
        QTest::newRow("empty") << "" << 2026 << "";
    }
    void normaliseDate()
    {
        QFETCH(QString, text);
        QFETCH(int, currentYear);
        QTEST(TextRules::normaliseDate(text, currentYear), "expected");
    }

    // A stored date read under the order of the reading machine's own short date format.
    void readDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDate>("expected");
        const auto row = [](const char *name, const char *text, const QDate &expected,
                            const char *format = "dd/MM/yy") {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromLatin1(format)
                                << expected;
        };
        const QDate ides(2025, 3, 15);
        row("day first, two-digit year", "15/03/25", ides);
        row("points, four-digit year", "15.03.2025", ides);
        row("dashes, no leading zero", "15-3-25", ides);
        row("year first", "2025-03-15", ides);
        row("year first under a month-first format", "2025/03/15", ides, "M/d/yy");
        row("two-digit year first", "25. 3. 15.", ides, "yy. M. d.");
        row("month first", "3/4/25", QDate(2025, 3, 4), "M/d/yy");
        row("the same text day first", "3/4/25", QDate(2025, 4, 3));
        row("month first where day first is no date", "3/15/2025", ides);
        row("day first where month first is no date", "15/3/25", ides, "M/d/yy");
        row("quoted text is no field", "3/4/25", QDate(2025, 3, 4), "'day' M/d/yy");
        row("short month name", "15 Mar 2025", ides, "d MMM yyyy");
        row("month name, month-first format", "Mar 15, 2025", ides, "M/d/yy");
        row("long month name", "15 march 25", ides);
        row("Devanagari digits", "१५/०३/२०२५", ides);
        row("last century", "31-12-75", QDate(1975, 12, 31));
        row("no such day either way", "31/31/2025", QDate());
        row("no such day with a name", "30 Feb 2025", QDate(), "d MMM yyyy");
        row("word that is no month", "15 Ides 2025", QDate(), "d MMM yyyy");
        row("two names", "Mar 15 Apr 2025", QDate(), "d MMM yyyy");
        row("no year", "15/03", QDate());
        row("four runs", "15/03/25/1", QDate());
        row("five-digit run", "15/03/20250", QDate());
        row("empty", "", QDate());
    }
    void readDate()
    {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QTEST(TextRules::readDate(text, TextRules::dateOrderOf(format), 2026), "expected");
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank, bracket, point")
            << "new delhi (south).gate" << QString("New Delhi (South).Gate");
        QTest::newRow("capitals stay") << "MIXED case" << QString("MIXED Case");
        QTest::newRow("square bracket") << "a[b" << QString("A[B");
        QTest::newRow("line break") << "line\r\nnext" << QString("Line\r\nNext");
        QTest::newRow("apostrophe is no break") << "o'brien" << QString("O'brien");
        QTest::newRow("trailing blank") << "x " << QString("X ");
        QTest::newRow("empty") << "" << QString();
    }
    void properCase()
    {
        QFETCH(QString, text);
        QTEST(TextRules::properCase(text), "expected");
    }
};

QTEST_APPLESS_MAIN(tst_TextRules)
#include "tst_TextRules.moc"
