#include <QtTest>

#include "controls/input/TextOrvKeyFilter.h"
#include "controls/input/TextOrvLimit.h"

class tst_TextOrvKeyFilter : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        QTest::addColumn<int>("textType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("keyAscii");
        QTest::addColumn<int>("expected");
        const QString anyRange = TextOrvLimit::defaultLimit;
        const QString percent = "0:100";

        QTest::newRow("free text takes anything")
            << 0 << "" << 0 << anyRange << int('#') << int('#');
        QTest::newRow("unknown type takes anything")
            << 7 << "" << 0 << anyRange << int('x') << int('x');
        QTest::newRow("negative type takes anything")
            << -1 << "" << 0 << anyRange << int('x') << int('x');

        QTest::newRow("digits: digit") << 4 << "12" << 2 << anyRange << int('5') << int('5');
        QTest::newRow("digits: letter") << 4 << "12" << 2 << anyRange << int('a') << 0;
        QTest::newRow("digits: minus") << 4 << "" << 0 << anyRange << int('-') << 0;
        QTest::newRow("digits: point") << 4 << "" << 0 << anyRange << int('.') << 0;
        QTest::newRow("digits: backspace") << 4 << "12" << 2 << anyRange << 8 << 8;
        QTest::newRow("digits: tab code") << 4 << "" << 0 << anyRange << 9 << 9;
        QTest::newRow("digits: beyond Latin-1") << 4 << "" << 0 << anyRange << 0x0966 << 0x0966;
        QTest::newRow("digits: Latin-1 letter") << 4 << "" << 0 << anyRange << 0xE9 << 0;
        QTest::newRow("digits: Ctrl+C") << 4 << "" << 0 << anyRange << 3 << 3;
        QTest::newRow("digits: Ctrl+V") << 4 << "" << 0 << anyRange << 22 << 22;
        QTest::newRow("digits: Ctrl+X") << 4 << "" << 0 << anyRange << 24 << 24;
        QTest::newRow("digits: Ctrl+A") << 4 << "" << 0 << anyRange << 1 << 0;

        QTest::newRow("date: digit") << 3 << "" << 0 << anyRange << int('3') << int('3');
        QTest::newRow("date: point") << 3 << "5" << 1 << anyRange << int('.') << int('.');
        QTest::newRow("date: slash") << 3 << "5" << 1 << anyRange << int('/') << int('/');
        QTest::newRow("date: minus anywhere") << 3 << "5" << 1 << anyRange << int('-') << int('-');
        QTest::newRow("date: letter") << 3 << "5" << 1 << anyRange << int('a') << 0;
        QTest::newRow("date: blank") << 3 << "5" << 1 << anyRange << int(' ') << 0;

        QTest::newRow("decimal: candidate over the top")
            << 1 << "10" << 2 << percent << int('5') << 0;
        QTest::newRow("decimal: candidate at the top")
            << 1 << "10" << 2 << percent << int('0') << int('0');
        QTest::newRow("decimal: candidate is text plus key, not caret")
            << 1 << "12" << 0 << percent << int('9') << 0;
        QTest::newRow("decimal: below the bottom is typed on")
            << 1 << "" << 0 << "10:20" << int('5') << int('5');
        QTest::newRow("decimal: minus at caret 0")
            << 1 << "-5" << 0 << anyRange << int('-') << int('-');
        QTest::newRow("decimal: minus not at caret 0")
            << 1 << "-5" << 2 << anyRange << int('-') << 0;
        QTest::newRow("decimal: second point") << 1 << "1.5" << 0 << anyRange << int('.') << 0;
        QTest::newRow("decimal: first point") << 1 << "15" << 2 << anyRange << int('.') << int('.');
        QTest::newRow("decimal: hash") << 1 << "" << 0 << anyRange << int('#') << 0;
        QTest::newRow("decimal: letter") << 1 << "" << 0 << anyRange << int('e') << 0;
        QTest::newRow("decimal: backspace over the top") << 1 << "150" << 3 << percent << 8 << 0;
        QTest::newRow("decimal: backspace in range") << 1 << "15" << 2 << percent << 8 << 8;
        QTest::newRow("decimal: beyond Latin-1") << 1 << "1" << 1 << percent << 0x0966 << 0x0966;
        QTest::newRow("decimal: Ctrl+V over the top") << 1 << "150" << 3 << percent << 22 << 22;
        QTest::newRow("decimal: limit without colon checks nothing")
            << 1 << "999" << 3 << "abc" << int('9') << int('9');

        QTest::newRow("integer: point") << 2 << "12" << 2 << anyRange << int('.') << 0;
        QTest::newRow("integer: hash") << 2 << "12" << 2 << anyRange << int('#') << 0;
        QTest::newRow("integer: digit") << 2 << "12" << 2 << anyRange << int('7') << int('7');
        QTest::newRow("integer: minus at caret 0")
            << 2 << "12" << 0 << anyRange << int('-') << int('-');
        QTest::newRow("integer: negative top")
            << 2 << "-1" << 2 << "-100:-5" << int('2') << int('2');
        QTest::newRow("integer: over a negative top") << 2 << "" << 0 << "-100:-5" << int('2') << 0;
    }
    void filter()
    {
        QFETCH(int, textType);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, limit);
        QFETCH(int, keyAscii);
        QFETCH(int, expected);
        QCOMPARE(TextOrvKeyFilter::filter(keyAscii, {textType, text, caret, limit}), expected);
    }
};

QTEST_APPLESS_MAIN(tst_TextOrvKeyFilter)
#include "tst_TextOrvKeyFilter.moc"
