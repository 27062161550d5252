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
        QTest::newRow("m") << cities << "m" << 1 << "umbai";
        QTest::newRow("then a") << cities << "Ma" << 2 << "durai";
        QTest::newRow("upper-case typing") << cities << "MA" << 2 << "durai";
        QTest::newRow("* is the first item") << cities << "*" << 0 << "elhi";
        QTest::newRow("? inside") << cities << "m?d" << 2 << "urai";
        QTest::newRow("no match") << cities << "x" << -1 << "";
        QTest::newRow("empty list") << QStringList() << "m" << -1 << "";
        QTest::newRow("list order, not sorted")
            << QStringList{"Zeta", "Alpha"} << "*" << 0 << "eta";
        QTest::newRow("blanks around the item are kept")
            << QStringList{"  Pune "} << "pu" << 0 << "Pune ";
        QTest::newRow("blanks before the typed text count in the selection")
            << cities << "  m" << 1 << "bai";
        QTest::newRow("typed blanks beyond the item select nothing")
            << QStringList{"Goa"} << "goa  " << 0 << "";
        QTest::newRow("only blanks typed: the empty pattern fits every item")
            << cities << " " << 0 << "elhi";
        QTest::newRow("item shorter than the typed text")
            << QStringList{"Ma", "Mad"} << "mad" << 1 << "";
        QTest::newRow("brackets count in the cut length")
            << QStringList{"Delhi", "Goa", "Mumbai"} << "[!d]*" << 1 << "";
        QTest::newRow("# finds the first item led by a digit")
            << QStringList{"Flat 12", "1st Floor"} << "#" << 1 << "st Floor";
        QTest::newRow("bracketed * is itself") << QStringList{"AXB", "A*B"} << "a[*]b" << 1 << "";
        QTest::newRow("invalid pattern completes to nothing")
            << QStringList{"[x]"} << "[" << -1 << "";
        QTest::newRow("item cut before upper case")
            << QStringList{QStringLiteral("Stra\u00DFe"), "Strasse"} << QStringLiteral("stra\u00DF")
            << 0 << "e";
        QTest::newRow("typed text upper-cased as a pattern")
            << QStringList{QStringLiteral("Stra\u00DFe"), "Strasse"} << "strass" << 1 << "e";
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
