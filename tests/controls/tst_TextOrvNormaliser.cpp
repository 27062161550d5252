#include <QtTest>

#include "controls/input/TextOrvLimit.h"
#include "controls/input/TextOrvNormaliser.h"

using Occasion = TextOrvNormaliser::Occasion;
Q_DECLARE_METATYPE(Occasion)

class tst_TextOrvNormaliser : public QObject
{
    Q_OBJECT

private slots:
    void normalise_data()
    {
        QTest::addColumn<Occasion>("occasion");
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("textCase");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("outOfRange");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const Occasion leave = Occasion::LeavingBox;
        const Occasion type = Occasion::TextTypeAssigned;
        const Occasion paste = Occasion::Paste;
        const Occasion limit = Occasion::LimitAssigned;
        const auto row = [](const char *name, Occasion occasion, int textType, const QString &range,
                            const char *text, const char *expected, bool outOfRange = false,
                            int textCase = 2, int digits = 2) {
            QTest::newRow(name) << occasion << textType << range << textCase << digits
                                << QString(text) << QString(expected) << outOfRange;
        };
        row("N1 decimal over the top", leave, 1, "0:100", "105", "100.00", true);
        row("N1 decimal under the bottom", leave, 1, "10:20", "5", "10.00", true);
        row("N1 decimal empty", leave, 1, anyRange, "", "0.00");
        row("N1 decimal half away", leave, 1, anyRange, "12.345", "12.35");
        row("N1 decimal bottom wins over top", leave, 1, "20:10", "15", "20.00", true);
        row("N1 decimal, limit without colon", leave, 1, "abc", "105", "105.00");
        row("N2 decimal clamps without message", type, 1, "0:100", "105", "100.00");
        row("N3 decimal", paste, 1, anyRange, "7x", "7.00");
        row("N4 decimal", limit, 1, "0:100", "150", "100.00");
        row("N1 no decimals keeps the point", leave, 1, anyRange, "2.675", "3.", false, 2, 0);
        row("N1 one decimal", leave, 1, anyRange, "2.675", "2.7", false, 2, 1);
        row("N1 three decimals", leave, 1, anyRange, "2.675", "2.675", false, 2, 3);
        row("N1 four decimals", leave, 1, anyRange, "2.675", "2.6750", false, 2, 4);

        row("N1 integer floors", leave, 2, anyRange, "-2.5", "-3");
        row("N1 integer floors positive", leave, 2, anyRange, "7.9", "7");
        row("N1 integer empty", leave, 2, anyRange, "", "0");
        row("N1 integer over the top", leave, 2, "0:100", "250", "100", true);
        row("N3 integer pasted letters", paste, 2, anyRange, "12abc", "12");
        row("N4 integer", limit, 2, "0:100", "150", "100");

        row("N1 date points", leave, 3, anyRange, "5.6.24", "05/06/2024");
        row("N1 date dashes", leave, 3, anyRange, "31-12-75", "31/12/1975");
        row("N1 date invalid", leave, 3, anyRange, "30/02/2024", "");
        row("N1 date without year", leave, 3, anyRange, "5/6", "05/06/2000");
        row("N2 date", type, 3, anyRange, "5-6-24", "05/06/2024");
        row("N3 date", paste, 3, anyRange, "1.1.1999", "01/01/1999");
        row("N4 leaves a date", limit, 3, anyRange, "5-6-24", "5-6-24");

        row("N1 code with zeros", leave, 4, anyRange, "007", "007");
        row("N1 lone zero emptied", leave, 4, anyRange, "0", "");
        row("N1 twenty digits kept", leave, 4, anyRange, "98765432109876543210",
            "98765432109876543210");
        row("N1 two zeros", leave, 4, anyRange, "00", "00");
        row("N1 not a number", leave, 4, anyRange, "12abc", "12abc");
        row("N1 empty code", leave, 4, anyRange, "", "");
        row("N2 empty code becomes 0", type, 4, anyRange, "", "0");
        row("N2 code keeps zeros", type, 4, anyRange, "007", "007");
        row("N3 code pasted letters", paste, 4, anyRange, "12abc", "12");
        row("N4 leaves a code", limit, 4, anyRange, "12abc", "12abc");

        row("N1 proper case", leave, 0, anyRange, "new delhi (south).gate",
            "New Delhi (South).Gate");
        row("N1 proper case keeps capitals", leave, 0, anyRange, "MIXED case", "MIXED Case");
        row("N1 upper case", leave, 0, anyRange, "abc d", "ABC D", false, 0);
        row("N1 lower case", leave, 0, anyRange, "ABC D", "abc d", false, 1);
        row("N1 case left alone", leave, 0, anyRange, "aBc", "aBc", false, 3);
        row("N2 free text unchanged", type, 0, anyRange, "abc", "abc", false, 0);
        row("N3 free text unchanged", paste, 0, anyRange, "abc", "abc", false, 0);

        row("N1 unknown type unchanged", leave, 9, anyRange, "abc", "abc", false, 0);
    }
    void normalise()
    {
        QFETCH(Occasion, occasion);
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(int, textCase);
        QFETCH(int, digits);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, outOfRange);
        const TextOrvNormaliser::Result result =
            TextOrvNormaliser::normalise(occasion, {textType, limit, digits, textCase}, text);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.outOfRange, outOfRange);
    }

    void limitNormalisation_data()
    {
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("stored");
        QTest::newRow("trailing zero") << "0:100.50" << QString("0:100.5");
        QTest::newRow("exponents") << "1e3:2e3" << QString("1000:2000");
        QTest::newRow("text piece reads 0") << "-5:abc" << QString("-5:0");
        QTest::newRow("no colon gives the default") << "abc" << TextOrvLimit::defaultLimit;
        QTest::newRow("empty gives the default") << "" << TextOrvLimit::defaultLimit;
    }
    void limitNormalisation()
    {
        QFETCH(QString, assigned);
        QFETCH(QString, stored);
        QCOMPARE(TextOrvLimit::normalise(assigned), stored);
    }
};

QTEST_APPLESS_MAIN(tst_TextOrvNormaliser)
#include "tst_TextOrvNormaliser.moc"
