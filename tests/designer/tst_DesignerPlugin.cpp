#include <QBuffer>
#include <QUiLoader>
#include <QtTest>

#include "controls/display/DropDownButton.h"
#include "controls/display/InformationBar.h"
#include "controls/display/LeftPanel.h"
#include "controls/display/OrvLabel.h"
#include "controls/display/OrvProgress.h"
#include "controls/display/cmd.h"
#include "controls/display/orvSeparator.h"
#include "controls/input/NumInt.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"
#include "controls/input/Search.h"
#include "controls/input/StringCtl.h"
#include "controls/input/TextOrv.h"

namespace
{

// One property as a hand-written form sets it, and the value the control must then hold.
struct Setting {
    QString name;
    QString xml;
    QVariant value;
};

struct FormControl {
    QString className;
    QList<Setting> settings;
    QStringList savedKeys;
};

QList<FormControl> formControls()
{
    return {
        // A text box as placed keeps design values of its own that differ from its defaults.
        {"TextOrv",
         {{"TextType", "<enum>OrvInput::Digits</enum>",
           QVariant::fromValue(OrvInput::TextType::Digits)},
          {"MaxLength", "<number>10</number>", 10},
          {"PasswordChar", "<string>*</string>", QString("*")}},
         {"Text", "PasswordChar", "MaxLength", "Border", "Appearance", "TTYPE", "TLimit",
          "FontSize"}},
        // A new combo keeps its design font and an emptied text, which differ from the defaults.
        {"OCombo1",
         {{"FontName", "<string>Tahoma</string>", QString("Tahoma")},
          {"ErrorFlag", "<string>Pick a city</string>", QString("Pick a city")}},
         {"ErrorFlag", "Font", "Text", "FontSize", "FontName"}},
        {"OComboReadOnly",
         {{"Enabled", "<bool>false</bool>", false}, {"FontSize", "<double>12</double>", 12.0f}},
         {"Font", "Text", "Enabled", "FontName"}},
        // A new input keeps its design font, which differs from the saved default.
        {"NumInt",
         {{"MaxLength", "<number>5</number>", 5},
          {"ErrorFlag", "<string>Too many</string>", QString("Too many")}},
         {"MaxLength", "FontName", "FontSize"}},
        {"StringCtl",
         {{"Text", "<string>ram</string>", QString("ram")},
          {"FontBold", "<bool>true</bool>", true}},
         {"Text", "FontName", "FontSize", "FontBold"}},
        {"Search",
         {{"Alignment", "<enum>Orv::Right</enum>", QVariant::fromValue(Orv::Alignment::Right)},
          {"BorderStyle", "<enum>Orv::FixedSingle</enum>",
           QVariant::fromValue(Orv::BorderStyle::FixedSingle)}},
         {"Font", "BorderStyle", "Alignment", "FontItalic", "FontSize"}},
        {"cmd",
         {{"Caption", "<string>Go</string>", QString("Go")},
          {"ButtonType", "<enum>Cmd::Oval</enum>", QVariant::fromValue(Cmd::ButtonType::Oval)},
          {"HandPointer", "<bool>true</bool>", true}},
         {"BTYPE", "TX", "MPTR", "MICON", "HAND"}},
        {"DropDownButton",
         {{"Caption", "<string>Year</string>", QString("Year")},
          {"IsBlueButton", "<bool>true</bool>", true}},
         {"Font", "Caption", "IsBlue"}},
        {"OrvLabel",
         {{"Caption", "<string>Total</string>", QString("Total")},
          {"Alignment", "<enum>Orv::Center</enum>", QVariant::fromValue(Orv::Alignment::Center)},
          {"AutoSize", "<bool>false</bool>", false},
          {"BorderStyle", "<enum>Orv::FixedSingle</enum>",
           QVariant::fromValue(Orv::BorderStyle::FixedSingle)},
          {"FontBold", "<bool>true</bool>", true},
          {"FontSize", "<double>12</double>", 12.0f},
          {"FontName", "<string>Tahoma</string>", QString("Tahoma")},
          {"ForeColor", "<number>255</number>", quint32(255)}},
         {"BorderStyle", "AutoSize", "Alignment", "Caption", "FontBold", "FontSize", "FontName"}},
        {"OrvProgress",
         {{"Max", "<double>80</double>", 80.0},
          {"Value", "<double>30</double>", 30.0},
          {"OutColor", "<number>128</number>", quint32(128)}},
         {"Value", "Max", "OutColor"}},
        {"orvSeparator", {}, {}},
        {"InformationBar",
         {{"Text", "<string>Filed on time</string>", QString("Filed on time")}},
         {"Text"}},
        {"LeftPanel", {{"Enabled", "<bool>false</bool>", false}}, {"Enabled"}},
    };
}

QByteArray formXml(const QList<FormControl> &controls)
{
    QString widgets;
    int y = 0;
    for (const FormControl &control : controls) {
        widgets += QString("<widget class=\"%1\" name=\"the%1\">"
                           "<property name=\"geometry\"><rect><x>0</x><y>%2</y><width>200</width>"
                           "<height>30</height></rect></property>")
                       .arg(control.className)
                       .arg(y);
        for (const Setting &setting : control.settings)
            widgets +=
                QString("<property name=\"%1\">%2</property>").arg(setting.name, setting.xml);
        widgets += "</widget>";
        y += 40;
    }
    return QString("<ui version=\"4.0\"><class>Form</class>"
                   "<widget class=\"QWidget\" name=\"Form\">%1</widget></ui>")
        .arg(widgets)
        .toUtf8();
}

// The form's store after saving the control; false when the control saves nothing.
template <typename... Controls> bool save(QWidget *widget, PropertyBag &bag)
{
    const auto saveAs = [&](auto *control) {
        if (control)
            control->WriteProperties(bag);
        return control != nullptr;
    };
    return (saveAs(qobject_cast<Controls *>(widget)) || ...);
}

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_loader.addPluginPath(QStringLiteral(VELMO_DESIGNER_PLUGIN_DIR));
        QByteArray xml = formXml(formControls());
        QBuffer buffer(&xml);
        m_form.reset(m_loader.load(&buffer));
        QVERIFY2(m_form, qPrintable(m_loader.errorString()));
    }

    // Each control is built by the plugin as its own class, takes the form's properties,
    // and saves exactly the keys of those that differ from its defaults.
    void loadedForm_data()
    {
        QTest::addColumn<int>("index");
        const QList<FormControl> controls = formControls();
        for (int i = 0; i < controls.size(); ++i)
            QTest::newRow(qPrintable(controls[i].className)) << i;
    }
    void loadedForm()
    {
        QFETCH(int, index);
        const FormControl control = formControls().at(index);
        QWidget *widget = m_form->findChild<QWidget *>("the" + control.className);
        QVERIFY(widget);
        QCOMPARE(widget->metaObject()->className(), control.className.toLatin1());
        for (const Setting &setting : control.settings) {
            const QVariant value = widget->property(qPrintable(setting.name));
            QVERIFY2(value == setting.value, qPrintable(setting.name + " is " + value.toString()));
        }
        PropertyBag bag;
        const bool saves = save<TextOrv, cmd, FlatCombo, DropDownButton, OrvLabel, OrvProgress,
                                InformationBar, LeftPanel, NumInt, StringCtl, Search>(widget, bag);
        QCOMPARE(saves, control.className != "orvSeparator");
        QCOMPARE(bag.keys(), control.savedKeys);
    }

private:
    QUiLoader m_loader;
    std::unique_ptr<QWidget> m_form;
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_DesignerPlugin.moc"
