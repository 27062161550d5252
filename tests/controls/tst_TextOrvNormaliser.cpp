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
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("outOfRange");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const Occasion leave = Occasion::LeavingBox;
        const Occasion type = Occasion::TextTypeAssigned;
        const Occasion paste = Occasion::Paste;
        const Occasion limit = Occasion::LimitAssigned;

        QTest::newRow("N1 decimal over the top") << leave << 1 << "0:100" << 2 << "105"
                                                 << "100.00" << true;
        QTest::newRow("N1 decimal under the bottom") << leave << 1 << "10:20" << 2 << "5"
                                                     << "10.00" << true;
        QTest::newRow("N1 decimal empty") << leave << 1 << anyRange << 2 << ""
                                          << "0.00" << false;
        QTest::newRow("N1 decimal half away") << leave << 1 << anyRange << 2 << "12.345"
                                              << "12.35" << false;
        QTest::newRow("N1 decimal bottom wins over top") << leave << 1 << "20:10" << 2 << "15"
                                                         << "20.00" << true;
        QTest::newRow("N1 decimal, limit without colon") << leave << 1 << "abc" << 2 << "105"
                                                         << "105.00" << false;
        QTest::newRow("N2 decimal clamps without message") << type << 1 << "0:100" << 2 << "105"
                                                           << "100.00" << false;
        QTest::newRow("N3 decimal") << paste << 1 << anyRange << 2 << "7x"
                                    << "7.00" << false;
        QTest::newRow("N4 decimal") << limit << 1 << "0:100" << 2 << "150"
                                    << "100.00" << false;

        QTest::newRow("N1 integer floors") << leave << 2 << anyRange << 2 << "-2.5"
                                           << "-3" << false;
        QTest::newRow("N1 integer floors positive") << leave << 2 << anyRange << 2 << "7.9"
                                                    << "7" << false;
        QTest::newRow("N1 integer empty") << leave << 2 << anyRange << 2 << ""
                                          << "0" << false;
        QTest::newRow("N1 integer over the top") << leave << 2 << "0:100" << 2 << "250"
                                                 << "100" << true;
        QTest::newRow("N3 integer pasted letters") << paste << 2 << anyRange << 2 << "12abc"
                                                   << "12" << false;
        QTest::newRow("N4 integer") << limit << 2 << "0:100" << 2 << "150"
                                    << "100" << false;

        QTest::newRow("N1 date points") << leave << 3 << anyRange << 2 << "5.6.24"
                                        << "05/06/2024" << false;
        QTest::newRow("N1 date dashes") << leave << 3 << anyRange << 2 << "31-12-75"
                                        << "31/12/1975" << false;
        QTest::newRow("N1 date invalid") << leave << 3 << anyRange << 2 << "30/02/2024"
                                         << "" << false;
        QTest::newRow("N1 date without year") << leave << 3 << anyRange << 2 << "5/6"
                                              << "05/06/2000" << false;
        QTest::newRow("N2 date") << type << 3 << anyRange << 2 << "5-6-24"
                                 << "05/06/2024" << false;
        QTest::newRow("N3 date") << paste << 3 << anyRange << 2 << "1.1.1999"
                                 << "01/01/1999" << false;
        QTest::newRow("N4 leaves a date") << limit << 3 << anyRange << 2 << "5-6-24"
                                          << "5-6-24" << false;

        QTest::newRow("N1 code with zeros") << leave << 4 << anyRange << 2 << "007"
                                            << "007" << false;
        QTest::newRow("N1 code 0123") << leave << 4 << anyRange << 2 << "0123"
                                      << "0123" << false;
        QTest::newRow("N1 lone zero emptied") << leave << 4 << anyRange << 2 << "0"
                                              << "" << false;
        QTest::newRow("N1 ten-digit mobile") << leave << 4 << anyRange << 2 << "9876543210"
                                             << "9876543210" << false;
        QTest::newRow("N1 twenty digits kept")
            << leave << 4 << anyRange << 2 << "98765432109876543210"
            << "98765432109876543210" << false;
        QTest::newRow("N1 two zeros") << leave << 4 << anyRange << 2 << "00"
                                      << "00" << false;
        QTest::newRow("N1 not a number") << leave << 4 << anyRange << 2 << "12abc"
                                         << "12abc" << false;
        QTest::newRow("N1 empty code") << leave << 4 << anyRange << 2 << ""
                                       << "" << false;
        QTest::newRow("N2 empty code becomes 0") << type << 4 << anyRange << 2 << ""
                                                 << "0" << false;
        QTest::newRow("N2 code keeps zeros") << type << 4 << anyRange << 2 << "007"
                                             << "007" << false;
        QTest::newRow("N3 code pasted letters") << paste << 4 << anyRange << 2 << "12abc"
                                                << "12" << false;
        QTest::newRow("N4 leaves a code") << limit << 4 << anyRange << 2 << "12abc"
                                          << "12abc" << false;

        QTest::newRow("N1 proper case") << leave << 0 << anyRange << 2 << "new delhi (south).gate"
                                        << "New Delhi (South).Gate" << false;
        QTest::newRow("N1 proper case keeps capitals")
            << leave << 0 << anyRange << 2 << "MIXED case"
            << "MIXED Case" << false;
        QTest::newRow("N1 upper case") << leave << 0 << anyRange << 0 << "abc d"
                                       << "ABC D" << false;
        QTest::newRow("N1 lower case") << leave << 0 << anyRange << 1 << "ABC D"
                                       << "abc d" << false;
        QTest::newRow("N1 case left alone") << leave << 0 << anyRange << 3 << "aBc"
                                            << "aBc" << false;
        QTest::newRow("N2 free text unchanged") << type << 0 << anyRange << 0 << "abc"
                                                << "abc" << false;
        QTest::newRow("N3 free text unchanged") << paste << 0 << anyRange << 0 << "abc"
                                                << "abc" << false;
        QTest::newRow("N1 unknown type unchanged") << leave << 9 << anyRange << 0 << "abc"
                                                   << "abc" << false;
    }
    void normalise()
    {
        QFETCH(Occasion, occasion);
        QFETCH(int, textType);
        QFETCH(QString, limit);
        QFETCH(int, textCase);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, outOfRange);
        const TextOrvNormaliser::Result result =
            TextOrvNormaliser::normalise(occasion, {textType, limit, 2, textCase}, text);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.outOfRange, outOfRange);
    }

    void decimalsFollowDigitAfterDecimal_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none keeps the point") << 0 << "3.";
        QTest::newRow("one") << 1 << "2.7";
        QTest::newRow("three") << 3 << "2.675";
        QTest::newRow("four") << 4 << "2.6750";
    }
    void decimalsFollowDigitAfterDecimal()
    {
        QFETCH(int, digits);
        QFETCH(QString, expected);
        const TextOrvRules rules{1, TextOrvLimit::defaultLimit, digits, 2};
        QCOMPARE(TextOrvNormaliser::normalise(Occasion::LeavingBox, rules, "2.675").text, expected);
    }

    void rangeMessage()
    {
        QCOMPARE(TextOrvNormaliser::rangeMessage("0:100"), QString("Your input limit is '0:100'"));
    }

    void limitNormalisation_data()
    {
        QTest::addColumn<QString>("assigned");
        QTest::addColumn<QString>("stored");
        QTest::newRow("trailing zero") << "0:100.50"
                                       << "0:100.5";
        QTest::newRow("exponents") << "1e3:2e3"
                                   << "1000:2000";
        QTest::newRow("text piece reads 0") << "-5:abc"
                                            << "-5:0";
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
