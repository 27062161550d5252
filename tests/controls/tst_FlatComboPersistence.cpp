#include <QtTest>

#include "FlatComboForm.h"
#include "controls/input/TextOrvFrame.h"
#include "platform/PropertyBag.h"

namespace
{

PropertyBag throughJson(const FlatCombo &combo)
{
    PropertyBag saved;
    combo.WriteProperties(saved);
    PropertyBag loaded;
    QString error;
    if (!loaded.loadJson(saved.toJson(), &error))
        qFatal("%s", qPrintable(error));
    return loaded;
}

} // namespace

class tst_FlatComboPersistence : public QObject
{
    Q_OBJECT

private slots:
    // A new control keeps its design font (Verdana 8.25, regular) and an emptied text. One
    // loaded from an empty store takes the defaults over the form's bold font, and saves that
    // font, no longer the form's, and what its kind does not leave out.
    void emptyStore_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("savedFontName");
        const QStringList newKeys{"Font", "Text", "FontSize", "FontName"};
        for (const QString &kind : comboKinds)
            QTest::addRow("%s new", qPrintable(kind)) << kind << false << ""
                                                      << "Verdana" << newKeys << "Verdana";
        QTest::newRow("OCombo1 loaded: every font name is written")
            << "OCombo1" << true << "Combo1"
            << "Arial" << QStringList{"Font", "FontName"} << "Arial";
        QTest::newRow("OComboReadOnly loaded: Arial left out, the unread text written")
            << "OComboReadOnly" << true << ""
            << "Arial" << QStringList{"Font", "Text"} << "";
    }
    void emptyStore()
    {
        QFETCH(QString, kind);
        QFETCH(bool, loaded);
        withComboKind(kind, [&]<typename Combo>() {
            FlatComboForm<Combo> form;
            QFont formFont("DejaVu Serif");
            formFont.setBold(true);
            form.window.setFont(formFont);
            if (loaded)
                form.load();
            const FlatCombo &combo = *form.control;
            QTEST(combo.Text(), "text");
            QTEST(combo.FontName(), "fontName");
            QCOMPARE(combo.FontSize(), loaded ? 12.0f : 8.25f);
            QCOMPARE(combo.Font().bold(), loaded);
            QVERIFY(combo.Enabled());
            form.save();
            QTEST(form.store.keys(), "keys");
            QTEST(form.store.ReadProperty("FontName", QString()).toString(), "savedFontName");
        });
    }

    // Every key away from its default, written in the table's order and loaded back.
    void everyKeyInOrderAndBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("loadedText");
        QTest::newRow("OCombo1") << "OCombo1"
                                 << "Madurai";
        QTest::newRow("OComboReadOnly does not read Text") << "OComboReadOnly"
                                                           << "";
    }
    void everyKeyInOrderAndBack()
    {
        QFETCH(QString, kind);
        QFETCH(QString, loadedText);
        withComboKind(kind, [&]<typename Combo>() {
            FlatComboForm<Combo> form;
            FlatCombo &combo = *form.control;
            QFont font("DejaVu Sans");
            font.setItalic(true);
            combo.letFont(font);
            combo.letFontSize(10.5f);
            combo.letListIndex(2);
            combo.letErrorFlag("Pick a city");
            combo.letEnabled(false);
            const PropertyBag bag = throughJson(combo);
            QCOMPARE(bag.keys(),
                     (QStringList{"ErrorFlag", "Font", "Text", "Enabled", "FontSize", "FontName"}));
            QCOMPARE(bag.ReadProperty("Text", QString()).toString(), QString("Madurai"));
            QCOMPARE(form.changed,
                     (QStringList{"Font", "FontSize", "ListIndex", "ErrorFlag", "Enabled"}));

            FlatComboForm<Combo> loaded;
            loaded.store = bag;
            loaded.load();
            FlatCombo &again = *loaded.control;
            QCOMPARE(again.Text(), loadedText);
            QCOMPARE(again.FontName(), QString("DejaVu Sans"));
            QCOMPARE(again.FontSize(), 10.5f);
            QVERIFY(again.Font().italic());
            QVERIFY(!again.Enabled());
            // A loaded error is kept, not shown.
            QCOMPARE(again.ErrorFlag(), QString("Pick a city"));
            QCOMPARE(again.shapeColour(), TextOrvFrame::idleShapeColour);
            QCOMPARE(again.Combo1()->toolTip(), QString());
            QCOMPARE(loaded.changed, QStringList());
            if (!loadedText.isEmpty())
                QCOMPARE(throughJson(again).toJson(), bag.toJson());
        });
    }
};

QTEST_MAIN(tst_FlatComboPersistence)
#include "tst_FlatComboPersistence.moc"
