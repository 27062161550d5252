// How NumInt, StringCtl and Search save themselves in the form's store and load again.
#include <QtTest>

#include "controls/input/NumInt.h"
#include "controls/input/Search.h"
#include "controls/input/StringCtl.h"
#include "platform/HostColor.h"
#include "platform/PropertyBag.h"

namespace
{

// Every saved key away from its default, and the error marker, which is never saved.
void configure(NumInt &box)
{
    box.letText("O'Brien \"\u00c4\" 10\\5");
    box.letEnabled(false);
    box.letMaxLength(4);
    box.letBackColor(HostColor::systemColourFlag + 15);
    box.letLocked(true);
    box.letFontName("DejaVu Sans");
    box.letFontSize(10.5f);
    box.letErrorFlag("not saved");
}

void configure(StringCtl &box)
{
    box.letText("Ram Kumar");
    box.letEnabled(false);
    box.letMaxLength(120);
    box.letFontName("DejaVu Serif");
    box.letFontSize(12);
    box.letFontBold(true);
    box.letLocked(true);
    box.letErrorFlag("not saved");
}

void configure(Search &box)
{
    box.letBackColor(HostColor::rgb(1, 2, 3));
    box.letForeColor(HostColor::rgb(200, 0, 0));
    box.letEnabled(false);
    box.letFont(QFont("DejaVu Sans Mono", 11));
    box.letBackStyle(1);
    box.letBorderStyle(Orv::BorderStyle::FixedSingle);
    box.letAlignment(Orv::Alignment::Center);
    box.letFontBold(true);
    box.letFontItalic(true);
    box.letFontName("DejaVu Sans");
    box.letFontSize(9.75f);
    box.letMaxLength(30);
    box.letText("kumar");
}

PropertyBag bagFromJson(const QByteArray &json)
{
    PropertyBag bag;
    QString error;
    if (!bag.loadJson(json, &error))
        qFatal("%s", qPrintable(error));
    return bag;
}

// The store a control writes: placed on a form, either configured or loaded from `sample`.
template <typename Control> QByteArray savedForm(bool configured, const QByteArray &sample)
{
    QWidget form;
    auto *control = new Control(&form);
    if (configured)
        configure(*control);
    else if (!sample.isNull())
        control->ReadProperties(bagFromJson(sample));
    PropertyBag bag;
    control->WriteProperties(bag);
    return bag.toJson();
}

QByteArray savedForm(const QString &control, bool configured, const QByteArray &sample = {})
{
    if (control == "NumInt")
        return savedForm<NumInt>(configured, sample);
    if (control == "StringCtl")
        return savedForm<StringCtl>(configured, sample);
    return savedForm<Search>(configured, sample);
}

// The properties of a control loaded from `bag` after it was configured.
template <typename Control> QVariantMap loaded(const PropertyBag &bag, const QStringList &names)
{
    QWidget form;
    auto *control = new Control(&form);
    configure(*control);
    control->ReadProperties(bag);
    QVariantMap result{{"control enabled", control->isEnabled()},
                       {"box enabled", control->Text1()->isEnabled()}};
    for (const QString &name : names)
        if (!result.contains(name))
            result[name] = control->property(qPrintable(name));
    return result;
}

QVariantMap loaded(const QString &control, const PropertyBag &bag, const QStringList &names)
{
    if (control == "NumInt")
        return loaded<NumInt>(bag, names);
    if (control == "StringCtl")
        return loaded<StringCtl>(bag, names);
    return loaded<Search>(bag, names);
}

} // namespace

class tst_InputFieldsPersistence : public QObject
{
    Q_OBJECT

private slots:
    // The saved form is the form files' format: each control's keys, their order, values
    // and types are held in a stored sample whose bytes must not change.
    void savedFormMatchesTheStoredSample_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("configured");
        const QList<QPair<QString, QString>> samples{{"NumInt", "numint-configured.json"},
                                                     {"StringCtl", "stringctl-configured.json"},
                                                     {"Search", "search-configured.json"}};
        for (const auto &[control, sample] : samples) {
            QTest::addRow("%s configured", qPrintable(control)) << control << sample << true;
            QTest::addRow("%s loaded and saved again", qPrintable(control))
                << control << sample << false;
        }
    }
    void savedFormMatchesTheStoredSample()
    {
        QFETCH(QString, control);
        QFETCH(QString, sample);
        QFETCH(bool, configured);
        QFile file(QFINDTESTDATA("samples/" + sample));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray stored = file.readAll();
        const QByteArray saved = savedForm(control, configured, stored);
        QVERIFY2(saved == stored, saved.constData());
    }

    // A control placed and saved at once writes only its design values that differ from
    // the defaults, and a control loaded from that store saves the same again.
    void placedAndSavedAtOnce_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("NumInt") << "NumInt" << QStringList{"FontName", "FontSize"};
        QTest::newRow("StringCtl") << "StringCtl" << QStringList{"FontName", "FontSize"};
        QTest::newRow("Search") << "Search" << QStringList{"Font", "FontItalic", "FontSize"};
    }
    void placedAndSavedAtOnce()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, keys);
        const QByteArray placed = savedForm(control, false);
        QCOMPARE(bagFromJson(placed).keys(), keys);
        QCOMPARE(savedForm(control, false, placed), placed);
    }

    // Every key missing from the store loads its default, whatever the control held.
    void emptyStoreLoadsDefaults_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QVariantMap>("expected");
        const QVariantMap common{{"control enabled", true},
                                 {"box enabled", true},
                                 {"Text", QString()},
                                 {"FontName", QString("Arial")},
                                 {"FontSize", 8.0f}};
        QVariantMap numInt = common;
        numInt.insert({{"MaxLength", 10},
                       {"BackColor", quint32(0x80000005)},
                       {"Locked", false},
                       {"ErrorFlag", QString("not saved")}});
        QVariantMap stringCtl = common;
        stringCtl.insert({{"MaxLength", 75}, {"FontBold", false}, {"Locked", false}});
        QVariantMap search = common;
        search.insert({{"MaxLength", 75},
                       {"BackColor", quint32(0x80000005)},
                       {"ForeColor", quint32(0x80000008)},
                       {"BackStyle", QVariant::fromValue(short(0))},
                       {"BorderStyle", QVariant::fromValue(Orv::BorderStyle::None)},
                       {"Alignment", QVariant::fromValue(Orv::Alignment::Left)},
                       {"FontBold", false},
                       {"FontItalic", false}});
        QTest::newRow("NumInt") << "NumInt" << numInt;
        QTest::newRow("StringCtl") << "StringCtl" << stringCtl;
        QTest::newRow("Search") << "Search" << search;
    }
    void emptyStoreLoadsDefaults()
    {
        QFETCH(QString, control);
        QFETCH(QVariantMap, expected);
        const QVariantMap actual = loaded(control, PropertyBag(), expected.keys());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(actual.value(it.key()) == it.value(),
                     qPrintable(it.key() + " is " + actual.value(it.key()).toString()));
    }

    // A saved "Enabled" False disables the whole NumInt, but only the box of the others.
    void loadedEnabled_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("controlEnabled");
        QTest::newRow("NumInt") << "NumInt" << false;
        QTest::newRow("StringCtl") << "StringCtl" << true;
        QTest::newRow("Search") << "Search" << true;
    }
    void loadedEnabled()
    {
        QFETCH(QString, control);
        QFETCH(bool, controlEnabled);
        PropertyBag bag;
        bag.WriteProperty("enabled", false);
        const QVariantMap actual = loaded(control, bag, {});
        QCOMPARE(actual.value("control enabled").toBool(), controlEnabled);
        QCOMPARE(actual.value("box enabled").toBool(), false);
    }

    // The font arrives first, so the four single values, loaded or defaulted, win over it;
    // what they do not name (the underline) comes from the font.
    void searchSingleFontValuesWinOverTheFont()
    {
        QFont saved("DejaVu Serif", 20);
        saved.setBold(true);
        saved.setUnderline(true);
        PropertyBag bag;
        bag.WriteProperty("Font", saved.toString());
        bag.WriteProperty("FontSize", 12.0f);
        QWidget form;
        Search search(&form);
        search.ReadProperties(bag);
        QCOMPARE(search.FontName(), QString("Arial"));
        QCOMPARE(search.FontSize(), 12.0f);
        QVERIFY(!search.FontBold());
        QVERIFY(search.Font().underline());
    }
};

QTEST_MAIN(tst_InputFieldsPersistence)
#include "tst_InputFieldsPersistence.moc"
