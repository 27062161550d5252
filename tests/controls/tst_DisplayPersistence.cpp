#include <QLabel>
#include <QtTest>

#include "controls/display/InformationBar.h"
#include "controls/display/LeftPanel.h"
#include "controls/display/OrvLabel.h"
#include "controls/display/OrvProgress.h"
#include "platform/HostColor.h"

namespace
{

struct Saved {
    QStringList keys;
    QList<QVariant> values;
};

Saved savedOf(const PropertyBag &bag)
{
    Saved saved{bag.keys(), {}};
    for (const QString &key : saved.keys)
        saved.values << bag.ReadProperty(key, QVariant());
    return saved;
}

// Places a control, lets `configure` change it, saves it, loads the store into a control
// placed afresh and saves that one again.
template <typename Control, typename Configure>
void roundTrip(Configure configure, PropertyBag &first, PropertyBag &again, QStringList &announced)
{
    QWidget form;
    auto *control = new Control(&form);
    auto *fresh = new Control(&form);
    form.show();
    QObject::connect(control, &Control::propertyChanged,
                     [&announced](const QString &key) { announced << key; });
    configure(*control);
    control->WriteProperties(first);
    fresh->ReadProperties(first);
    fresh->WriteProperties(again);
}

} // namespace

class tst_DisplayPersistence : public QObject
{
    Q_OBJECT

private slots:
    // Keys in the saved order, values at their defaults left out, the keys announced while
    // changing the control, and what a control loaded from the store saves again (a key
    // written but never read is missing there).
    void roundTrip_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QStringList>("keysSavedAgain");
        QTest::newRow("label as placed") << "label placed" << QStringList{"FontSize", "FontName"}
                                         << QVariantList{8.25f, QString("Verdana")} << QStringList()
                                         << QStringList{"FontSize", "FontName"};
        const QStringList labelKeys{"BorderStyle", "Enabled",  "AutoSize", "Alignment",
                                    "Caption",     "FontBold", "FontSize"};
        QTest::newRow("label changed")
            << "label" << labelKeys << QVariantList{QVariant::fromValue(short(1)),
                                                    false,
                                                    false,
                                                    QVariant::fromValue(short(2)),
                                                    QString("Total"),
                                                    QVariant::fromValue(short(-1)),
                                                    12.0f}
            << QStringList{"BackColor", "BackStyle", "ForeColor", "BorderStyle",
                           "Enabled",   "AutoSize",  "Alignment", "Caption",
                           "FontBold",  "FontSize",  "FontName"}
            << labelKeys;
        QTest::newRow("progress as placed") << "progress placed" << QStringList() << QVariantList()
                                            << QStringList() << QStringList();
        const QStringList progressKeys{"Value", "Max", "Min", "BackColor", "ForeColor", "OutColor"};
        QTest::newRow("progress changed")
            << "progress" << progressKeys
            << QVariantList{40.0, 80.0, 10.0, qint32(0x101010), qint32(0xFF0000), qint32(0x800000)}
            << QStringList() << progressKeys;
        QTest::newRow("information bar")
            << "information bar" << QStringList{"Text", "Font", "FontSize", "ForeColor"}
            << QVariantList{QString("Filed"), QString("Courier"), 14.0f, qint32(0x0000FF)}
            << QStringList{"Text"} << QStringList{"Text"};
        QTest::newRow("panel") << "panel" << QStringList{"Enabled"} << QVariantList{false}
                               << QStringList{"Enabled"} << QStringList{"Enabled"};
    }
    void roundTrip()
    {
        QFETCH(QString, control);
        QFETCH(QStringList, keys);
        QFETCH(QVariantList, values);
        QFETCH(QStringList, announced);
        QFETCH(QStringList, keysSavedAgain);
        PropertyBag first;
        PropertyBag again;
        QStringList changed;
        if (control == "label placed") {
            ::roundTrip<OrvLabel>([](OrvLabel &) {}, first, again, changed);
        } else if (control == "label") {
            ::roundTrip<OrvLabel>(
                [](OrvLabel &label) {
                    label.letBackColor(HostColor::rgb(1, 2, 3));
                    label.letBackStyle(OrvDisplay::BackStyle::Opaque);
                    label.letForeColor(HostColor::rgb(4, 5, 6));
                    label.letBorderStyle(Orv::BorderStyle::FixedSingle);
                    label.letEnabled(false);
                    label.letAutoSize(false);
                    label.letAlignment(Orv::Alignment::Center);
                    label.letCaption("Total");
                    label.letFontBold(true);
                    label.letFontSize(12);
                    label.letFontName("Arial");
                },
                first, again, changed);
        } else if (control == "progress placed") {
            ::roundTrip<OrvProgress>([](OrvProgress &bar) { bar.InitProperties(); }, first, again,
                                     changed);
        } else if (control == "progress") {
            ::roundTrip<OrvProgress>(
                [](OrvProgress &bar) {
                    bar.letMax(80);
                    bar.letMin(10);
                    bar.letValue(40);
                    bar.letBackColor(0x101010);
                    bar.letForeColor(0xFF0000);
                    bar.letOutColor(0x800000);
                },
                first, again, changed);
        } else if (control == "information bar") {
            ::roundTrip<InformationBar>(
                [](InformationBar &bar) {
                    bar.letText("Filed");
                    bar.Label1()->setFont(QFont("Courier", 14));
                    QPalette red = bar.Label1()->palette();
                    red.setColor(QPalette::WindowText, Qt::red);
                    bar.Label1()->setPalette(red);
                },
                first, again, changed);
        } else {
            ::roundTrip<LeftPanel>([](LeftPanel &panel) { panel.letEnabled(false); }, first, again,
                                   changed);
        }

        const Saved saved = savedOf(first);
        QCOMPARE(saved.keys, keys);
        for (int i = 0; i < keys.size(); ++i) {
            QVERIFY2(saved.values[i].metaType() == values[i].metaType(),
                     qPrintable(keys[i] + ": " + saved.values[i].typeName()));
            QCOMPARE(saved.values[i], values[i]);
        }
        QCOMPARE(changed, announced);
        const Saved resaved = savedOf(again);
        QCOMPARE(resaved.keys, keysSavedAgain);
        for (const QString &key : keysSavedAgain)
            QCOMPARE(again.ReadProperty(key, QVariant()), first.ReadProperty(key, QVariant()));
    }

    // A missing key loads its default, whatever the control held before.
    void emptyStoreLoadsDefaults()
    {
        QWidget form;
        auto *label = new OrvLabel(&form);
        auto *bar = new OrvProgress(&form);
        auto *info = new InformationBar(&form);
        form.show();
        label->letCaption("Changed");
        label->letAlignment(Orv::Alignment::Right);
        bar->letMax(50);
        bar->letValue(20);
        info->letText("Changed");
        info->Label1()->setFont(QFont("Courier", 20));
        const PropertyBag empty;
        label->ReadProperties(empty);
        bar->ReadProperties(empty);
        info->ReadProperties(empty);
        QCOMPARE(label->Caption(), QString("Label1"));
        QCOMPARE(label->Alignment(), Orv::Alignment::Left);
        QCOMPARE(label->FontName(), QString("Arial"));
        QCOMPARE(label->FontSize(), 10.0f);
        QCOMPARE(bar->Value(), 0.0);
        QCOMPARE(bar->Max(), 100.0);
        QCOMPARE(info->Text(), QString());
        QCOMPARE(info->Label1()->font().family(), QString("Arial"));
        QCOMPARE(info->Label1()->font().pointSizeF(), 10.0);
    }
};

QTEST_MAIN(tst_DisplayPersistence)
#include "tst_DisplayPersistence.moc"
