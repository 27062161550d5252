#include <QtTest>

#include "platform/LikePattern.h"

class tst_LikePattern : public QObject
{
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("expected");
        const auto row = [](const char *name, const char *pattern, const QString &text,
                            bool expected, bool valid = true) {
            QTest::newRow(name) << QString::fromUtf8(pattern) << text << valid << expected;
        };
        row("empty pattern, empty text", "", "", true);
        row("empty pattern, any text", "", "A", false);
        row("literal", "ABC", "ABC", true);
        row("literal, one differs", "ABC", "ABD", false);
        row("literal, text shorter", "ABC", "AB", false);
        row("literal, text longer", "ABC", "ABCD", false);
        row("case counts", "abc", "ABC", false);
        row("? takes one", "A?C", "ABC", true);
        row("? takes exactly one", "A?C", "AC", false);
        row("# takes a digit", "A#", "A7", true);
        row("# refuses a letter", "A#", "AB", false);
        row("# refuses other scripts' digits", "#", QStringLiteral("\u0663"), false);
        row("* alone, empty text", "*", "", true);
        row("* takes nothing", "A*", "A", true);
        row("* takes a run", "A*C", "ABBBC", true);
        row("* then a missing end", "*C", "ABD", false);
        row("* gives back what it took", "*AB", "AAB", true);
        row("later * takes the repeat", "A*BC", "ABCBC", true);
        row("several *", "A*B*C", "AXBXC", true);
        row("many * without the end", "*A*A*A*A*A*B", QString(300, u'A'), false);
        row("many * with the end", "*A*A*A*A*A*B", QString(300, u'A') + u'B', true);
        row("** is *", "**", "X", true);
        row("class", "[ABC]", "B", true);
        row("class refuses", "[ABC]", "D", false);
        row("class is one character", "[AB]", "AB", false);
        row("range", "[A-C]", "B", true);
        row("range refuses", "[A-C]", "D", false);
        row("two ranges", "[A-CX-Z]", "Y", true);
        row("negated range", "[!A-C]", "D", true);
        row("negated range refuses", "[!A-C]", "B", false);
        row("- first is itself", "[-A]", "-", true);
        row("- last is itself", "[A-]", "-", true);
        row("- after ! is itself", "[!-]", "-", false);
        row("bracketed *", "[*]", "*", true);
        row("bracketed * is no wildcard", "[*]", "X", false);
        row("bracketed ?", "[?]", "?", true);
        row("bracketed ? is no wildcard", "[?]", "A", false);
        row("bracketed #", "[#]", "#", true);
        row("bracketed # is no digit class", "[#]", "5", false);
        row("bracketed [", "[[]", "[", true);
        row("[!] is any one", "[!]", "X", true);
        row("[] is the empty text", "A[]B", "AB", true);
        row("[] alone", "[]", "", true);
        row("! outside brackets", "A!", "A!", true);
        row("] outside brackets", "]", "]", true);
        row("a character is a code unit", "??", QStringLiteral("\U0001F600"), true);
        row("unclosed class", "[AB", "[AB", false, false);
        row("lone [", "A[", "A[", false, false);
        row("unclosed negation", "[!", "!", false, false);
        row("unclosed range", "[A-", "A", false, false);
        row("backward range", "[Z-A]", "Z", false, false);
    }
    void matches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(bool, expected);
        const LikePattern compiled(pattern);
        QCOMPARE(compiled.isValid(), valid);
        QCOMPARE(compiled.matches(text), expected);
        QCOMPARE(LikePattern::matches(text, pattern), expected);
    }
};

QTEST_APPLESS_MAIN(tst_LikePattern)
#include "tst_LikePattern.moc"
