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

QStringList kinds()
{
    return {"OCombo1", "OComboReadOnly"};
}

} // namespace

class tst_FlatComboPersistence : public QObject
{
    Q_OBJECT

private slots:
    // A new control keeps its design font (Verdana 8.25) and an emptied text; one loaded
    // from an empty store has the defaults, of which the two kinds save different keys (and
    // the form's font under Arial 12 is no longer the form's font).
    void savedKeys_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loadedFromEmptyStore");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("fontName");
        for (const QString &kind : kinds())
            QTest::addRow("%s new", qPrintable(kind))
                << kind << false << QStringList{"Font", "Text", "FontSize", "FontName"}
                << "Verdana";
        QTest::newRow("OCombo1 loaded: every font name is written")
            << "OCombo1" << true << QStringList{"Font", "FontName"} << "Arial";
        QTest::newRow("OComboReadOnly loaded: Arial is not written, an unread text is")
            << "OComboReadOnly" << true << QStringList{"Font", "Text"} << "";
    }
    void savedKeys()
    {
        QFETCH(QString, kind);
        QFETCH(bool, loadedFromEmptyStore);
        withComboKind(kind, [&]<typename Combo>() {
            FlatComboForm<Combo> form;
            if (loadedFromEmptyStore)
                form.load();
            form.save();
            QTEST(form.store.keys(), "keys");
            QTEST(form.store.ReadProperty("FontName", QString()).toString(), "fontName");
        });
    }

    // A missing key loads its default: the form's font under Arial 12, the text "Combo1"
    // in the typing kind only.
    void emptyStoreLoadsDefaults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("OCombo1") << "OCombo1" << "Combo1";
        QTest::newRow("OComboReadOnly") << "OComboReadOnly" << "";
    }
    void emptyStoreLoadsDefaults()
    {
        QFETCH(QString, kind);
        withComboKind(kind, [&]<typename Combo>() {
            FlatComboForm<Combo> form;
            QFont formFont("DejaVu Serif");
            formFont.setBold(true);
            form.window.setFont(formFont);
            form.load();
            FlatCombo &combo = *form.control;
            QTEST(combo.Text(), "text");
            QCOMPARE(combo.FontName(), QString("Arial"));
            QCOMPARE(combo.FontSize(), 12.0f);
            QVERIFY(combo.Font().bold());
            QVERIFY(combo.Enabled());
            QCOMPARE(combo.ErrorFlag(), QString());
        });
    }

    // Every key away from its default, written in the table's order and loaded back.
    void everyKeyInOrderAndBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("loadedText");
        QTest::newRow("OCombo1") << "OCombo1" << "Madurai";
        QTest::newRow("OComboReadOnly does not read Text") << "OComboReadOnly" << "";
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
            QCOMPARE(bag.keys(), (QStringList{"ErrorFlag", "Font", "Text", "Enabled", "FontSize",
                                              "FontName"}));
            QCOMPARE(bag.ReadProperty("Text", QString()).toString(), QString("Madurai"));
            QCOMPARE(form.changed, (QStringList{"Font", "FontSize", "ListIndex", "ErrorFlag",
                                                "Enabled"}));

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
