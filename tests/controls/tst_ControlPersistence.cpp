// How every control saves itself in its form's store and loads again.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include "ControlForm.h"
#include "controls/display/DropDownButton.h"
#include "controls/display/InformationBar.h"
#include "controls/display/LeftPanel.h"
#include "controls/display/OrvLabel.h"
#include "controls/display/OrvProgress.h"
#include "controls/display/cmd.h"
#include "controls/input/NumInt.h"
#include "controls/input/OCombo1.h"
#include "controls/input/OComboReadOnly.h"
#include "controls/input/Search.h"
#include "controls/input/StringCtl.h"
#include "controls/input/TextOrv.h"
#include "platform/HostColor.h"
#include "platform/PropertyBag.h"

namespace
{

CmdPicture square(QRgb colour)
{
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(colour);
    return CmdPicture::bitmap(image);
}

CmdPicture roundIcon()
{
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(2, 2, qRgb(0, 0, 200));
    return CmdPicture::icon(QIcon(QPixmap::fromImage(image)), QSize(5, 5));
}

// Property names and values, assigned in order through the properties' setters.
using Settings = QList<QPair<const char *, QVariant>>;

// Each configuration moves every saved key away from its default, in an order other than
// the saved one, and sets what must not be saved.
const Settings &configuration(const QString &kind)
{
    static const Settings combo{{"Font", QFont("DejaVu Sans", -1, -1, true)},
                                {"FontSize", 10.5f},
                                {"listIndex", 2},
                                {"ErrorFlag", "Pick a city"},
                                {"Enabled", false}};
    static const QMap<QString, Settings> all{
        // A border colour makes the inner box flat again. The text has quotes, a backslash
        // and a letter beyond ASCII as JSON writes them; a system colour is saved as a
        // negative number.
        {"TextOrv",
         {{"Border", true},
          {"Appearance", "ThreeD"},
          {"Text", "O'Brien \"\u00c4\" 10\\5"},
          {"PasswordChar", "*"},
          {"MaxLength", 30},
          {"Alignment", "Center"},
          {"TextType", 7},
          {"TextLimit", "1:50"},
          {"BorderColor", HostColor::systemColourFlag + 16},
          {"BorderColorFocus", 222},
          {"Style", "Flat"},
          {"DigitAfterDecimal", 3},
          {"TextCase", 0},
          {"FillColor", 333},
          {"FontName", "DejaVu Sans"},
          {"FontSize", 10.5f},
          {"Enabled", false},
          {"Locked", true},
          {"ErrorFlag", "never saved"}}},
        {"NumInt",
         {{"Text", "O'Brien \"\u00c4\" 10\\5"},
          {"Enabled", false},
          {"MaxLength", 4},
          {"BackColor", HostColor::systemColourFlag + 15},
          {"Locked", true},
          {"FontName", "DejaVu Sans"},
          {"FontSize", 10.5f},
          {"ErrorFlag", "not saved"}}},
        {"StringCtl",
         {{"Text", "Ram Kumar"},
          {"Enabled", false},
          {"MaxLength", 120},
          {"FontName", "DejaVu Serif"},
          {"FontSize", 12},
          {"FontBold", true},
          {"Locked", true},
          {"ErrorFlag", "not saved"}}},
        {"Search",
         {{"BackColor", HostColor::rgb(1, 2, 3)},
          {"ForeColor", HostColor::rgb(200, 0, 0)},
          {"Enabled", false},
          {"Font", QFont("DejaVu Sans Mono", 11)},
          {"BackStyle", 1},
          {"BorderStyle", "FixedSingle"},
          {"Alignment", "Center"},
          {"FontBold", true},
          {"FontItalic", true},
          {"FontName", "DejaVu Sans"},
          {"FontSize", 9.75f},
          {"MaxLength", 30},
          {"Text", "kumar"}}},
        {"OCombo1", combo},
        {"OComboReadOnly", combo},
        {"cmd",
         {{"ButtonType", "TintedFlat"},
          {"Caption", "&Save"},
          {"Font", QFont("DejaVu Sans", 10, QFont::Bold)},
          {"ColorScheme", "Custom"},
          {"ShowFocusRect", false},
          {"BackColor", 0x00FF00},
          {"BackOver", 0x0000FF},
          {"ForeColor", 0x111111},
          {"ForeOver", 0x111111},
          {"MaskColor", 0xFF00FF},
          {"MousePointer", 2},
          {"MouseIcon", QVariant::fromValue(roundIcon())},
          {"PictureNormal", QVariant::fromValue(square(qRgb(10, 20, 30)))},
          {"PictureOver", QVariant::fromValue(roundIcon())},
          {"UseMaskColor", false},
          {"SoftBevel", true},
          {"PicturePosition", "Top"},
          {"UseGreyscale", true},
          {"SpecialEffect", "Shadow"},
          {"HandPointer", true},
          {"CheckBoxBehaviour", true},
          {"Value", true},
          {"Enabled", false}}},
        {"DropDownButton",
         {{"Reset", true},
          {"Caption", "Pay"},
          {"BackColor", 0x123456},
          {"ButtonType", "Selection"},
          {"ArrowColor", 0x0000FF},
          {"IsBlueButton", true},
          {"Font", QFont("DejaVu Sans", 10, QFont::Bold)}}},
        {"OrvLabel",
         {{"BackColor", HostColor::rgb(1, 2, 3)},
          {"BackStyle", "Opaque"},
          {"ForeColor", HostColor::rgb(4, 5, 6)},
          {"BorderStyle", "FixedSingle"},
          {"Enabled", false},
          {"AutoSize", false},
          {"Alignment", "Center"},
          {"Caption", "Total"},
          {"FontBold", true},
          {"FontSize", 12},
          {"FontName", "Arial"}}},
        {"OrvProgress",
         {{"Max", 80.5},
          {"Min", 10.25},
          {"Value", 40.75},
          {"BackColor", 0x101010},
          {"ForeColor", 0xFF0000},
          {"OutColor", HostColor::systemColourFlag + 5}}},
        {"InformationBar", {{"Text", "Filed"}}},
        {"LeftPanel", {{"Enabled", false}}},
    };
    return all.find(kind).value();
}

template <typename Control> void configure(Control &control)
{
    if constexpr (std::is_same_v<Control, cmd>)
        control.InitProperties();
    for (const auto &[name, value] : configuration(Control::staticMetaObject.className()))
        QVERIFY2(control.setProperty(name, value), name);
    if constexpr (std::is_same_v<Control, InformationBar>) {
        // Its font and colour are the label's own, saved but never read back.
        control.Label1()->setFont(QFont("Courier", 14));
        QPalette red = control.Label1()->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        control.Label1()->setPalette(red);
    }
}

// What a control shows beyond its properties.
QVariantMap observed(const UserControl &control)
{
    QVariantMap seen{{"enabled", control.isEnabled()}};
    if (const auto *field = qobject_cast<const InputField *>(&control)) {
        seen["box enabled"] = field->Text1()->isEnabled();
        seen["background"] = field->innerBackground();
    } else if (const auto *txt = qobject_cast<const TextOrv *>(&control)) {
        seen["box enabled"] = txt->Text1()->isEnabled();
        seen["background"] = txt->innerBackground();
    } else if (const auto *combo = qobject_cast<const FlatCombo *>(&control)) {
        seen["box enabled"] = combo->Combo1()->isEnabled();
        seen["shape"] = combo->shapeColour();
        seen["tooltip"] = combo->Combo1()->toolTip();
    } else if (const auto *button = qobject_cast<const cmd *>(&control)) {
        seen["access key"] = QString(button->accessKey());
        seen["cursor"] = QVariant::fromValue(button->cursor().shape());
        seen["cursor width"] = button->cursor().pixmap().width();
    } else if (const auto *dropDown = qobject_cast<const DropDownButton *>(&control)) {
        const cmd *arrow = dropDown->findChild<cmd *>("DownArrow");
        seen["arrow back"] = arrow->BackColor();
        seen["arrow type"] = QVariant::fromValue(arrow->ButtonType());
        seen["arrow fore"] = arrow->ForeColor();
        seen["arrow fore over"] = arrow->ForeOver();
        seen["default fore"] = dropDown->findChild<cmd *>("Default")->ForeColor();
        seen["default type"] =
            QVariant::fromValue(dropDown->findChild<cmd *>("Default")->ButtonType());
        seen["entries"] = dropDown->entries();
    } else if (const auto *panel = qobject_cast<const LeftPanel *>(&control)) {
        seen["grid enabled"] = panel->lList()->isEnabled();
    } else if (const auto *bar = qobject_cast<const InformationBar *>(&control)) {
        seen["label font"] = bar->Label1()->font().family();
        seen["label size"] = bar->Label1()->font().pointSizeF();
    }
    return seen;
}

// A property's value in a form that compares: pictures by their saved text.
QVariant comparable(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<CmdPicture>())
        return value.value<CmdPicture>().toSaved();
    return value;
}

// The control's writable properties, by name.
QVariantMap properties(const QObject &control)
{
    QVariantMap values;
    const QMetaObject &meta = *control.metaObject();
    for (int i = UserControl::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i)
        if (meta.property(i).isWritable())
            values.insert(meta.property(i).name(), comparable(meta.property(i).read(&control)));
    return values;
}

// The names whose values differ between two maps of the same names.
QStringList differing(const QVariantMap &a, const QVariantMap &b)
{
    QStringList names;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        if (b.value(it.key()) != it.value())
            names << it.key();
    return names;
}

// The names in the JSON object `expected` whose values the control does not hold or show,
// each with what it has; enumerated values compare by name.
QStringList mismatches(const UserControl &control, const QByteArray &expected)
{
    QVariantMap actual = properties(control);
    actual.insert(observed(control));
    const QJsonObject wanted = QJsonDocument::fromJson(expected).object();
    if (wanted.isEmpty() && expected != "{}")
        return {"no JSON object: " + QString(expected)};
    QStringList names;
    for (auto it = wanted.constBegin(); it != wanted.constEnd(); ++it) {
        QVariant value = actual.value(it.key());
        if (value.metaType().flags() & QMetaType::IsEnumeration)
            value.convert(QMetaType::fromType<QString>());
        if (QJsonValue::fromVariant(value) != it.value())
            names << it.key() + " is " +
                         QJsonDocument(QJsonArray{QJsonValue::fromVariant(value)})
                             .toJson(QJsonDocument::Compact);
    }
    return names;
}

QByteArray compact(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).toJson(QJsonDocument::Compact);
}

PropertyBag fromJson(const QByteArray &json)
{
    PropertyBag bag;
    QString error;
    if (!bag.loadJson(json, &error))
        qFatal("%s", qPrintable(error));
    return bag;
}

// Runs `test.template operator()<Control>()` with the control class named `kind`.
template <typename Test> void withKind(const QString &kind, Test test)
{
    withControlClass<TextOrv, NumInt, StringCtl, Search, OCombo1, OComboReadOnly, cmd,
                     DropDownButton, OrvLabel, OrvProgress, InformationBar, LeftPanel>(kind, test);
}

// A shown form holding one control, a combo with three cities in its list; `changed`
// records the keys the control announces, in order. Unlike ControlForm's, the focus never
// passes through the control, which would change what some controls save. A combo's form
// has a bold serif font, which it must not take.
template <typename Control> struct Form {
    QWidget window;
    Control *control = new Control(&window);
    QStringList changed;

    Form()
    {
        if constexpr (std::is_base_of_v<FlatCombo, Control>) {
            for (const char *city : {"Delhi", "Mumbai", "Madurai"})
                control->AddItem(QString::fromLatin1(city));
            window.setFont(QFont("DejaVu Serif", -1, QFont::Bold));
        }
        control->setObjectName(QString(Control::staticMetaObject.className()) + "1");
        QObject::connect(control, &UserControl::propertyChanged, &window,
                         [this](const QString &key) { changed << key; });
        window.show();
    }
    QByteArray saved() const
    {
        PropertyBag bag;
        control->WriteProperties(bag);
        return bag.toJson();
    }
    void load(const QByteArray &json) { control->ReadProperties(fromJson(json)); }
};

QByteArray sample(const QString &kindName)
{
    QFile file(QFINDTESTDATA("samples/" + kindName.toLower() + "-configured.json"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no sample %s", qPrintable(file.fileName()));
    return file.readAll();
}

} // namespace

class tst_ControlPersistence : public QObject
{
    Q_OBJECT

private slots:
    // The saved form is the form files' format: a configured control writes its stored
    // sample's bytes (keys, order and values), announcing `announced` on the way, sending
    // the change signal of every property it changed, and nothing when configured again. A
    // control loaded from the sample, announcing nothing, has the configured properties but
    // `notLoaded`, shows `loadedShows` and, when it read everything, saves the sample again.
    void sample_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QStringList>("notLoaded");
        QTest::addColumn<QByteArray>("loadedShows");
        QTest::addColumn<QByteArray>("savedAgain");
        // Key lists are written as words.
        const auto row = [](const char *name, const QString &kind, const QString &announced,
                            const QString &notLoaded, const QByteArray &loadedShows,
                            const QByteArray &savedAgain = {}) {
            QTest::newRow(name) << kind << announced.split(' ', Qt::SkipEmptyParts)
                                << notLoaded.split(' ', Qt::SkipEmptyParts) << loadedShows
                                << savedAgain;
        };
        // A saved Enabled False disables the whole TextOrv and NumInt, but only the box of
        // StringCtl and Search.
        const QByteArray disabled(R"({"enabled":false,"box enabled":false})");
        const QByteArray boxDisabled(R"({"enabled":true,"box enabled":false})");
        row("TextOrv", "TextOrv",
            "Border Appearance Text PasswordChar MaxLength Alignment TTYPE TLimit BorderColor "
            "BorderColorOver Style FillColor FontName FontSize Enabled Locked ErrorFlag",
            "ErrorFlag", disabled);
        row("NumInt", "NumInt",
            "Text Enabled MaxLength BackColor Locked FontName FontSize ErrorFlag", "ErrorFlag",
            disabled);
        row("StringCtl", "StringCtl",
            "Text Enabled MaxLength FontName FontSize FontBold Locked ErrorFlag", "ErrorFlag",
            boxDisabled);
        row("Search", "Search",
            "BackColor ForeColor Enabled Font BackStyle BorderStyle Alignment FontBold FontItalic "
            "FontName FontSize MaxLength Text",
            "", boxDisabled);
        // A loaded error is kept, not shown.
        const QString comboAnnounced = "Font FontSize ListIndex ErrorFlag Enabled";
        const QByteArray errorHidden(R"({"box enabled":false,"shape":2147483648,"tooltip":""})");
        row("OCombo1", "OCombo1", comboAnnounced, "", errorHidden);
        row("OComboReadOnly does not read Text", "OComboReadOnly", comboAnnounced, "Text listIndex",
            errorHidden,
            R"([["ErrorFlag","Pick a city"],["Font","DejaVu Sans,10.5,-1,5,400,1,0,0,0,0,0,0,)"
            R"(0,0,0,1"],["Text",""],["Enabled",false],["FontSize",10.5],)"
            R"(["FontName","DejaVu Sans"]])");
        // The picture shown on hover is announced as PICO and saved as PICH; the hand
        // pointer is the library's 32-pixel bitmap.
        row("cmd", "cmd",
            "BTYPE TX FONT COLTYPE FOCUSR BCOL BCOLO FCOL FCOLO MCOL MPTR MICON PICN PICO UMCOL "
            "SOFT PICPOS NGREY FX HAND CHECK VALUE ENAB",
            "", R"({"enabled":false,"access key":"s","cursor":"BitmapCursor","cursor width":32})");
        row("DropDownButton", "DropDownButton",
            "IsReset Caption BackColor ButtonType ArrowColor IsBlue Font", "",
            R"({"arrow back":1193046,"arrow type":"Selection","arrow fore":255,)"
            R"("arrow fore over":255,"default fore":0,"entries":["Pay"]})");
        row("OrvLabel", "OrvLabel",
            "BackColor BackStyle ForeColor BorderStyle Enabled AutoSize Alignment Caption "
            "FontBold FontSize FontName",
            "BackColor BackStyle ForeColor", R"({"enabled":false})");
        row("OrvProgress", "OrvProgress", "", "", "{}");
        row("InformationBar", "InformationBar", "Text", "", R"({"label font":"Arial"})",
            R"([["Text","Filed"]])");
        row("LeftPanel", "LeftPanel", "Enabled", "", R"({"enabled":true,"grid enabled":false})");
    }
    void sample()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, notLoaded);
        QFETCH(QByteArray, loadedShows);
        QFETCH(QByteArray, savedAgain);
        const QByteArray stored = ::sample(kind);
        withKind(kind, [&]<typename Control>() {
            Form<Control> configured;
            const QVariantMap before = properties(*configured.control);
            std::map<QByteArray, std::unique_ptr<QSignalSpy>> changeSignals;
            const QMetaObject &meta = *configured.control->metaObject();
            const int first = UserControl::staticMetaObject.propertyCount();
            for (int i = first; i < meta.propertyCount(); ++i)
                if (meta.property(i).hasNotifySignal())
                    changeSignals[meta.property(i).name()] = std::make_unique<QSignalSpy>(
                        configured.control, meta.property(i).notifySignal());
            configure(*configured.control);
            QTEST(configured.changed, "announced");
            QStringList unsignalled;
            for (const QString &name : differing(before, properties(*configured.control))) {
                const auto spy = changeSignals.find(name.toLatin1());
                if (spy == changeSignals.end() || spy->second->isEmpty())
                    unsignalled << name;
            }
            QCOMPARE(unsignalled, QStringList());
            const QByteArray saved = configured.saved();
            QVERIFY2(saved == stored, saved.constData());

            // Every property assigned the value it has: nothing is announced or signalled.
            configured.changed.clear();
            for (const auto &[name, spy] : changeSignals)
                spy->clear();
            for (int i = first; i < meta.propertyCount(); ++i)
                if (meta.property(i).isWritable())
                    meta.property(i).write(configured.control,
                                           meta.property(i).read(configured.control));
            QCOMPARE(configured.changed, QStringList());
            for (const auto &[name, spy] : changeSignals)
                QVERIFY2(spy->isEmpty(), name.constData());

            Form<Control> loaded;
            loaded.load(stored);
            QCOMPARE(loaded.changed, QStringList());
            QCOMPARE(differing(properties(*configured.control), properties(*loaded.control)),
                     notLoaded);
            const QStringList wrong = mismatches(*loaded.control, loadedShows);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
            QCOMPARE(compact(loaded.saved()), savedAgain.isEmpty() ? compact(stored) : savedAgain);
        });
    }

    // A control placed on a form writes `placed`; one loaded from that store writes
    // `savedAgain`, or the same again when that is empty.
    void placedAndSavedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("placed");
        QTest::addColumn<QByteArray>("savedAgain");
        const auto row = [](const char *name, const QString &kind, const QByteArray &placed,
                            const QByteArray &savedAgain = {}) {
            QTest::newRow(name) << kind << placed << savedAgain;
        };
        const QByteArray anyRange(R"(["TLimit","-99999999999999:99999999999999"])");
        row("TextOrv: Border and Appearance are placed, not loaded", "TextOrv",
            R"([["Border",0],["Appearance",0],["TTYPE",0],)" + anyRange + R"(,["FontSize",8.25]])",
            R"([["TTYPE",0],)" + anyRange + R"(,["FontSize",8.25]])");
        const QByteArray verdana(R"([["FontName","Verdana"],["FontSize",8.25]])");
        row("NumInt", "NumInt", verdana);
        row("StringCtl", "StringCtl", verdana);
        row("Search", "Search",
            R"([["Font","Arial,9,-1,5,400,1,0,0,0,0,0,0,0,0,0,1"],["FontItalic",true],)"
            R"(["FontSize",9]])");
        const QByteArray combo(R"([["Font","Verdana,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"],)"
                               R"(["Text",""],["FontSize",8.25],["FontName","Verdana"]])");
        row("OCombo1", "OCombo1", combo);
        row("OComboReadOnly", "OComboReadOnly", combo);
        row("cmd: the caption is the form's name for it", "cmd", R"([["TX","cmd1"]])");
        // A new control's font is its own, not the form's.
        row("DropDownButton", "DropDownButton",
            R"([["Font","Arial,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"]])");
        row("OrvLabel", "OrvLabel", R"([["FontSize",8.25],["FontName","Verdana"]])");
        row("OrvProgress", "OrvProgress", "[]");
        row("InformationBar", "InformationBar", "[]");
        row("LeftPanel", "LeftPanel", "[]");
    }
    void placedAndSavedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, placed);
        QFETCH(QByteArray, savedAgain);
        withKind(kind, [&]<typename Control>() {
            Form<Control> form;
            if constexpr (requires(Control & c) { c.InitProperties(); })
                form.control->InitProperties();
            const QByteArray saved = form.saved();
            QCOMPARE(compact(saved), placed);
            Form<Control> loaded;
            loaded.load(saved);
            QCOMPARE(compact(loaded.saved()), savedAgain.isEmpty() ? placed : savedAgain);
        });
    }

    // A configured control loads `store`; every key missing from it loads its default,
    // whatever the control held. The control then has `expected` (JSON; enumerated values
    // by name, system colours such as 0x80000005 as 2147483653) and writes `saved`, unless
    // that is empty.
    void loading_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char *name, const QString &kind, const QByteArray &expected,
                            const QByteArray &saved, const QByteArray &store = "[]") {
            QTest::newRow(name) << kind << store << expected << saved;
        };
        const QByteArray input(R"("enabled":true,"box enabled":true,"Text":"","FontName":"Arial",)"
                               R"("FontSize":8,"MaxLength":)");
        row("TextOrv: the type and limit are always written", "TextOrv",
            "{" + input +
                R"(0,"PasswordChar":"","Locked":false,"Border":true,"Alignment":"Left",)"
                R"("Appearance":"ThreeD","TextType":"FreeText",)"
                R"("TextLimit":"-99999999999999:99999999999999","BorderColor":12164479,)"
                R"("BorderColorFocus":15782064,"Style":"Standard","DigitAfterDecimal":2,)"
                R"("TextCase":"Proper","FillColor":0,"background":2147483653})",
            R"([["TTYPE",0],["TLimit","-99999999999999:99999999999999"]])");
        // The text is neither normalised for its type nor cut to the MaxLength read after
        // it; keys are matched in any case.
        row("TextOrv: type and limit as stored", "TextOrv",
            R"({"Text":"150","MaxLength":2,"TextType":"Decimal","TextLimit":"0:100.50"})", "",
            R"([["Text","150"],["MaxLength",2],["ttype",1],["tlimit","0:100.50"]])");
        row("NumInt", "NumInt",
            "{" + input + R"(10,"BackColor":2147483653,"Locked":false,"ErrorFlag":"not saved"})",
            "[]");
        row("StringCtl", "StringCtl", "{" + input + R"(75,"FontBold":false,"Locked":false})", "[]");
        row("Search", "Search",
            "{" + input +
                R"(75,"BackColor":2147483653,"ForeColor":2147483656,"BackStyle":0,)"
                R"("BorderStyle":"None","Alignment":"Left","FontBold":false,"FontItalic":false})",
            R"([["Font","Arial,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"]])");
        // The font arrives first, so the four single values, loaded or defaulted, win over
        // it; what they do not name (the underline) comes from the font.
        row("Search: single font values win over the font", "Search",
            R"({"FontName":"Arial","FontSize":12,"FontBold":false,)"
            R"("Font":"Arial,12,-1,5,400,0,1,0,0,0,0,0,0,0,0,1"})",
            "", R"([["Font","DejaVu Serif,20,-1,5,700,0,1,0,0,0,0,0,0,0,0,1"],["FontSize",12]])");
        // The loaded font is the default's, not the form's; OCombo1 writes every font name,
        // OComboReadOnly leaves Arial out and writes the text it never reads.
        const QByteArray combo(
            R"({"Enabled":true,"FontName":"Arial","FontSize":12,"ErrorFlag":"",)");
        const QByteArray loadedFont(R"(["Font","Arial,12,-1,5,700,0,0,0,0,0,0,0,0,0,0,1"])");
        row("OCombo1", "OCombo1", combo + R"("Text":"Combo1"})",
            "[" + loadedFont + R"(,["FontName","Arial"]])");
        row("OComboReadOnly", "OComboReadOnly", combo + R"("Text":"Madurai"})",
            "[" + loadedFont + R"(,["Text","Madurai"]])");
        // A font given to the button stays when the store holds none; without the hand the
        // pointer is the arrow.
        row("cmd", "cmd",
            R"({"Caption":"","ButtonType":"Standard","UseMaskColor":true,"MaskColor":12632256,)"
            R"("cursor":"ArrowCursor"})",
            R"([["FONT","DejaVu Sans,10,-1,5,700,0,0,0,0,0,0,0,0,0,0,1"]])");
        // A stored hand sets the pointer, whatever pointer was stored before it.
        row("cmd: the hand wins over the stored pointer", "cmd",
            R"({"MousePointer":99,"HandPointer":true,"cursor":"BitmapCursor","cursor width":32})",
            "", R"([["MPTR",11],["HAND",true]])");
        // The hover colours follow the colours read when they are missing.
        row("cmd: hover colours follow", "cmd", R"({"BackOver":1193046,"ForeOver":6636321})", "",
            R"([["BCOL",1193046],["FCOL",6636321]])");
        row("DropDownButton", "DropDownButton",
            R"({"FontName":"Arial","default type":"ThinBevel","arrow type":"ThinBevel"})",
            R"([["Font","Arial,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"]])");
        row("OrvLabel", "OrvLabel",
            R"({"Caption":"Label1","Alignment":"Left","FontName":"Arial","FontSize":10})", "[]");
        row("OrvProgress", "OrvProgress", R"({"Value":0,"Min":0,"Max":100})", "[]");
        // The label's colour is never read back.
        row("InformationBar", "InformationBar",
            R"({"Text":"","label font":"Arial","label size":10})", R"([["ForeColor",255]])");
        row("LeftPanel", "LeftPanel", R"({"Enabled":true})", "[]");
    }
    void loading()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, store);
        QFETCH(QByteArray, expected);
        QFETCH(QByteArray, saved);
        withKind(kind, [&]<typename Control>() {
            Form<Control> form;
            configure(*form.control);
            form.load(store);
            const QStringList wrong = mismatches(*form.control, expected);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
            if (!saved.isEmpty())
                QCOMPARE(compact(form.saved()), saved);
        });
    }
};

QTEST_MAIN(tst_ControlPersistence)
#include "tst_ControlPersistence.moc"
