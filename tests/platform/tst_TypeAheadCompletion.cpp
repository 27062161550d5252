#include <QtTest>

#include "platform/TypeAheadCompletion.h"

class tst_TypeAheadCompletion : public QObject
{
    Q_OBJECT

private slots:
    void complete_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");            // -1: no completion
        QTest::addColumn<QString>("selectedTail"); // what the next keystroke replaces
        const QStringList cities{"Delhi", "Mumbai", "Madurai"};
        const auto row = [](const char *name, const QStringList &items, const QString &typed,
                            int index, const char *selectedTail) {
            QTest::newRow(name) << items << typed << index << QString(selectedTail);
        };
        const QString straße = QStringLiteral("Stra\u00DFe");
        row("m", cities, "m", 1, "umbai");
        row("then a", cities, "Ma", 2, "durai");
        row("upper-case typing", cities, "MA", 2, "durai");
        row("* is the first item", cities, "*", 0, "elhi");
        row("? inside", cities, "m?d", 2, "urai");
        row("no match", cities, "x", -1, "");
        row("empty list", {}, "m", -1, "");
        row("list order, not sorted", {"Zeta", "Alpha"}, "*", 0, "eta");
        row("blanks around the item are kept", {"  Pune "}, "pu", 0, "Pune ");
        row("blanks before the typed text count in the selection", cities, "  m", 1, "bai");
        row("typed blanks beyond the item select nothing", {"Goa"}, "goa  ", 0, "");
        row("only blanks typed: the empty pattern fits every item", cities, " ", 0, "elhi");
        row("item shorter than the typed text", {"Ma", "Mad"}, "mad", 1, "");
        row("brackets count in the cut length", {"Delhi", "Goa", "Mumbai"}, "[!d]*", 1, "");
        row("# finds the first item led by a digit", {"Flat 12", "1st Floor"}, "#", 1, "st Floor");
        row("bracketed * is itself", {"AXB", "A*B"}, "a[*]b", 1, "");
        row("invalid pattern completes to nothing", {"[x]"}, "[", -1, "");
        row("item cut before upper case", {straße, "Strasse"}, QStringLiteral("stra\u00DF"), 0,
            "e");
        row("typed text upper-cased as a pattern", {straße, "Strasse"}, "strass", 1, "e");
    }
    void complete()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, selectedTail);
        const std::optional<TypeAheadMatch> match = TypeAheadCompletion(items).complete(typed);
        QCOMPARE(match ? match->index : -1, index);
        if (!match)
            return;
        QCOMPARE(match->text, items.at(index));
        QCOMPARE(match->selectionStart + match->selectionLength, match->text.size());
        QCOMPARE(match->text.sliced(match->selectionStart), selectedTail);
    }
};

QTEST_APPLESS_MAIN(tst_TypeAheadCompletion)
#include "tst_TypeAheadCompletion.moc"
