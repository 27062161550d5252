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

        // The key the filter leaves for one typed at `caret` in `text`.
        const auto row = [](const char *name, int textType, const char *text, int caret,
                            const QString &range, int keyAscii, int expected) {
            QTest::newRow(name) << textType << QString(text) << caret << range << keyAscii
                                << expected;
        };
        row("free text takes anything", 0, "", 0, anyRange, '#', '#');
        row("unknown type takes anything", 7, "", 0, anyRange, 'x', 'x');
        row("negative type takes anything", -1, "", 0, anyRange, 'x', 'x');

        row("digits: digit", 4, "12", 2, anyRange, '5', '5');
        row("digits: letter", 4, "12", 2, anyRange, 'a', 0);
        row("digits: minus", 4, "", 0, anyRange, '-', 0);
        row("digits: point", 4, "", 0, anyRange, '.', 0);
        row("digits: backspace", 4, "12", 2, anyRange, 8, 8);
        row("digits: tab code", 4, "", 0, anyRange, 9, 9);
        row("digits: beyond Latin-1", 4, "", 0, anyRange, 0x0966, 0x0966);
        row("digits: Latin-1 letter", 4, "", 0, anyRange, 0xE9, 0);
        row("digits: Ctrl+C", 4, "", 0, anyRange, 3, 3);
        row("digits: Ctrl+V", 4, "", 0, anyRange, 22, 22);
        row("digits: Ctrl+X", 4, "", 0, anyRange, 24, 24);
        row("digits: Ctrl+A", 4, "", 0, anyRange, 1, 0);

        row("date: digit", 3, "", 0, anyRange, '3', '3');
        row("date: point", 3, "5", 1, anyRange, '.', '.');
        row("date: slash", 3, "5", 1, anyRange, '/', '/');
        row("date: minus anywhere", 3, "5", 1, anyRange, '-', '-');
        row("date: letter", 3, "5", 1, anyRange, 'a', 0);
        row("date: blank", 3, "5", 1, anyRange, ' ', 0);

        row("decimal: candidate over the top", 1, "10", 2, percent, '5', 0);
        row("decimal: candidate at the top", 1, "10", 2, percent, '0', '0');
        row("decimal: candidate is text plus key, not caret", 1, "12", 0, percent, '9', 0);
        row("decimal: below the bottom is typed on", 1, "", 0, "10:20", '5', '5');
        row("decimal: minus at caret 0", 1, "-5", 0, anyRange, '-', '-');
        row("decimal: minus not at caret 0", 1, "-5", 2, anyRange, '-', 0);
        row("decimal: second point", 1, "1.5", 0, anyRange, '.', 0);
        row("decimal: first point", 1, "15", 2, anyRange, '.', '.');
        row("decimal: hash", 1, "", 0, anyRange, '#', 0);
        row("decimal: letter", 1, "", 0, anyRange, 'e', 0);
        row("decimal: backspace over the top", 1, "150", 3, percent, 8, 0);
        row("decimal: backspace in range", 1, "15", 2, percent, 8, 8);
        row("decimal: beyond Latin-1", 1, "1", 1, percent, 0x0966, 0x0966);
        row("decimal: Ctrl+V over the top", 1, "150", 3, percent, 22, 22);
        row("decimal: limit without colon checks nothing", 1, "999", 3, "abc", '9', '9');

        row("integer: point", 2, "12", 2, anyRange, '.', 0);
        row("integer: hash", 2, "12", 2, anyRange, '#', 0);
        row("integer: digit", 2, "12", 2, anyRange, '7', '7');
        row("integer: minus at caret 0", 2, "12", 0, anyRange, '-', '-');
        row("integer: negative top", 2, "-1", 2, "-100:-5", '2', '2');
        row("integer: over a negative top", 2, "", 0, "-100:-5", '2', 0);
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
