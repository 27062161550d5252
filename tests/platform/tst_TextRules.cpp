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
        QFETCH(double, expected);
        QCOMPARE(TextRules::numericValue(text), expected);
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
    }
    void isNumeric()
    {
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(TextRules::isNumeric(text), expected);
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
        QFETCH(QString, expected);
        QCOMPARE(TextRules::decimalText(value), expected);
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
        QFETCH(QString, expected);
        QCOMPARE(TextRules::formatFixed(value, decimals), expected);
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
        QFETCH(double, expected);
        QCOMPARE(TextRules::roundHalfEven(value, decimals), expected);
    }

    void exactDecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("valid");
        QTest::newRow("leading zeros dropped") << "0012345"
                                               << "12345" << true;
        QTest::newRow("ten-digit mobile") << "9876543210"
                                          << "9876543210" << true;
        QTest::newRow("trailing zero dropped") << "1.50"
                                               << "1.5" << true;
        QTest::newRow("negative zero") << "-0"
                                       << "0" << true;
        QTest::newRow("all zeros") << "000"
                                   << "0" << true;
        QTest::newRow("exponent") << "1e3"
                                  << "1000" << true;
        QTest::newRow("negative exponent") << "25e-3"
                                           << "0.025" << true;
        QTest::newRow("blanks around") << " 42 "
                                       << "42" << true;
        QTest::newRow("28 digits kept") << "1234567890123456789012345678"
                                        << "1234567890123456789012345678" << true;
        QTest::newRow("fraction beyond 28 digits rounds half even")
            << "0.12345678901234567890123456785"
            << "0.1234567890123456789012345678" << true;
        QTest::newRow("29 integer digits") << "12345678901234567890123456789"
                                           << "" << false;
        QTest::newRow("letters") << "12abc"
                                 << "" << false;
        QTest::newRow("empty") << ""
                               << "" << false;
    }
    void exactDecimal()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, valid);
        const std::optional<QString> result = TextRules::exactDecimal(text);
        QCOMPARE(result.has_value(), valid);
        if (valid)
            QCOMPARE(*result, expected);
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
        QFETCH(QString, expected);
        QCOMPARE(TextRules::normaliseDate(text, currentYear), expected);
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blank, bracket, point") << "new delhi (south).gate"
                                               << "New Delhi (South).Gate";
        QTest::newRow("capitals stay") << "MIXED case"
                                       << "MIXED Case";
        QTest::newRow("square bracket") << "a[b"
                                        << "A[B";
        QTest::newRow("line break") << "line\r\nnext"
                                    << "Line\r\nNext";
        QTest::newRow("apostrophe is no break") << "o'brien"
                                                << "O'brien";
        QTest::newRow("trailing blank") << "x "
                                        << "X ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void properCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(TextRules::properCase(text), expected);
    }
};

QTEST_APPLESS_MAIN(tst_TextRules)
#include "tst_TextRules.moc"
