#include <QtTest>

#include "TextOrvForm.h"
#include "controls/input/TextOrv.h"
#include "controls/input/TextOrvLimit.h"
#include "platform/HostColor.h"
#include "platform/PropertyBag.h"

namespace
{

PropertyBag saved(const TextOrv &txt)
{
    PropertyBag bag;
    txt.WriteProperties(bag);
    return bag;
}

// Every saved key away from its default, and the error flag, which is never saved.
void configure(TextOrv &txt)
{
    txt.InitProperties();
    txt.letText("O'Brien");
    txt.letPasswordChar("*");
    txt.letMaxLength(30);
    txt.letAlignment(Orv::Alignment::Center);
    txt.letTextType(7);
    txt.letTextLimit("1:50");
    txt.letBorderColor(111);
    txt.letBorderColorFocus(222);
    txt.letStyle(OrvInput::Style::Flat);
    txt.letDigitAfterDecimal(3);
    txt.letTextCase(0);
    txt.letFillColor(333);
    txt.letFontName("DejaVu Sans");
    txt.letFontSize(10.5f);
    txt.letEnabled(false);
    txt.letLocked(true);
    txt.letErrorFlag("never saved");
}

PropertyBag throughJson(const PropertyBag &bag)
{
    PropertyBag loaded;
    QString error;
    if (!loaded.loadJson(bag.toJson(), &error))
        qFatal("%s", qPrintable(error));
    return loaded;
}

} // namespace

class tst_TextOrvPersistence : public QObject
{
    Q_OBJECT

private slots:
    void placedAndSavedAtOnce()
    {
        TextOrv txt;
        txt.InitProperties();
        const PropertyBag bag = throughJson(saved(txt));
        QCOMPARE(bag.keys(), (QStringList{"Border", "Appearance", "TTYPE", "TLimit", "FontSize"}));
        QCOMPARE(bag.ReadProperty("Border", short(1)).value<short>(), short(0));
        QCOMPARE(bag.ReadProperty("Appearance", short(1)).value<short>(), short(0));
        QCOMPARE(bag.ReadProperty("TTYPE", -1).toInt(), 0);
        QCOMPARE(bag.ReadProperty("TLimit", QString()).toString(), TextOrvLimit::defaultLimit);
        QCOMPARE(bag.ReadProperty("FontSize", 8.0f).toFloat(), 8.25f);
    }

    void oneLoadAndSaveCycleDropsBorderAndAppearance()
    {
        TextOrv placed;
        placed.InitProperties();
        TextOrv loaded;
        loaded.ReadProperties(throughJson(saved(placed)));
        QVERIFY(loaded.Border());
        QCOMPARE(loaded.Appearance(), OrvInput::Appearance::ThreeD);
        QCOMPARE(saved(loaded).keys(), (QStringList{"TTYPE", "TLimit", "FontSize"}));
    }

    void emptyStoreLoadsDefaults()
    {
        TextOrv txt;
        txt.ReadProperties(PropertyBag());
        QCOMPARE(txt.Text(), QString());
        QCOMPARE(txt.PasswordChar(), QString());
        QVERIFY(txt.Enabled());
        QCOMPARE(txt.MaxLength(), 0);
        QVERIFY(!txt.Locked());
        QVERIFY(txt.Border());
        QCOMPARE(txt.Alignment(), Orv::Alignment::Left);
        QCOMPARE(txt.Appearance(), OrvInput::Appearance::ThreeD);
        QCOMPARE(txt.TextType(), OrvInput::TextType::FreeText);
        QCOMPARE(txt.TextLimit(), TextOrvLimit::defaultLimit);
        QCOMPARE(txt.BorderColor(), quint32(12164479));
        QCOMPARE(txt.BorderColorFocus(), quint32(15782064));
        QCOMPARE(txt.Style(), OrvInput::Style::Standard);
        QCOMPARE(txt.DigitAfterDecimal(), short(2));
        QCOMPARE(txt.TextCase(), OrvInput::TextCase::Proper);
        QCOMPARE(txt.FillColor(), quint32(0));
        QCOMPARE(txt.FontName(), QString("Arial"));
        QCOMPARE(txt.FontSize(), 8.0f);
        QCOMPARE(txt.innerBackground(), quint32(0x80000005));
    }

    // The saved form is the form files' format: these bytes must not change.
    void savedFormMatchesTheStoredSample_data()
    {
        QTest::addColumn<bool>("loadSample");
        QTest::newRow("configured control") << false;
        QTest::newRow("sample loaded and saved again") << true;
    }
    void savedFormMatchesTheStoredSample()
    {
        QFETCH(bool, loadSample);
        QFile file(QFINDTESTDATA("samples/textorv-configured.json"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray sample = file.readAll();
        TextOrv txt;
        if (loadSample) {
            PropertyBag bag;
            QString error;
            QVERIFY2(bag.loadJson(sample, &error), qPrintable(error));
            txt.ReadProperties(bag);
        } else {
            configure(txt);
            // A system colour is saved as a negative number; quotes, a backslash and a
            // letter beyond ASCII as JSON writes them.
            txt.letBorderColor(HostColor::systemColourFlag + 16);
            txt.letText(QStringLiteral("O'Brien \"\u00c4\" 10\\5"));
        }
        QCOMPARE(saved(txt).toJson(), sample);
    }

    // The text is neither normalised for its type nor cut to the MaxLength read after it.
    void typeAndLimitLoadAsStored()
    {
        PropertyBag bag;
        bag.WriteProperty("Text", "150");
        bag.WriteProperty("MaxLength", 2);
        bag.WriteProperty("ttype", 1);
        bag.WriteProperty("tlimit", "0:100.50");
        TextOrv txt;
        txt.ReadProperties(bag);
        QCOMPARE(txt.Text(), QString("150"));
        QCOMPARE(txt.MaxLength(), 2);
        QCOMPARE(txt.TextType(), OrvInput::TextType::Decimal);
        QCOMPARE(txt.TextLimit(), QString("0:100.50"));
    }

    void lockedControlLoadedCanStillBeEntered()
    {
        TextOrvForm form;
        PropertyBag bag;
        bag.WriteProperty("Locked", true);
        form.txt->ReadProperties(bag);
        QVERIFY(form.txt->Locked());
        QCOMPARE(form.txt->innerBackground(), quint32(0x00F5F5F5));
        form.enter();
        QVERIFY(form.txt->Text1()->hasFocus());
        form.next->setFocus();
        form.txt->letLocked(true);
        form.enter();
        QVERIFY(!form.txt->Text1()->hasFocus());
    }
};

QTEST_MAIN(tst_TextOrvPersistence)
#include "tst_TextOrvPersistence.moc"
