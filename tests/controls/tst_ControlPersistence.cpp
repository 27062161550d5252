// How every control saves itself in its form's store and loads again.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

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

// Each configure() moves every saved key away from its default, in an order other than
// the saved one, and sets what must not be saved.
void configure(TextOrv &txt)
{
    // A border colour makes the inner box flat again.
    txt.letBorder(true);
    txt.letAppearance(OrvInput::Appearance::ThreeD);
    // Quotes, a backslash and a letter beyond ASCII as JSON writes them.
    txt.letText(QStringLiteral("O'Brien \"\u00c4\" 10\\5"));
    txt.letPasswordChar("*");
    txt.letMaxLength(30);
    txt.letAlignment(Orv::Alignment::Center);
    txt.letTextType(7);
    txt.letTextLimit("1:50");
    // A system colour is saved as a negative number.
    txt.letBorderColor(HostColor::systemColourFlag + 16);
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

void configure(FlatCombo &combo)
{
    QFont font("DejaVu Sans");
    font.setItalic(true);
    combo.letFont(font);
    combo.letFontSize(10.5f);
    combo.letListIndex(2);
    combo.letErrorFlag("Pick a city");
    combo.letEnabled(false);
}

void configure(cmd &button)
{
    button.InitProperties();
    button.letButtonType(Cmd::ButtonType::TintedFlat);
    button.letCaption("&Save");
    button.letFont(QFont("DejaVu Sans", 10, QFont::Bold));
    button.letColorScheme(Cmd::ColorScheme::Custom);
    button.letShowFocusRect(false);
    button.letBackColor(0x00FF00);
    button.letBackOver(0x0000FF);
    button.letForeColor(0x111111);
    button.letForeOver(0x111111);
    button.letMaskColor(0xFF00FF);
    button.letMousePointer(2);
    button.letMouseIcon(roundIcon());
    button.letPictureNormal(square(qRgb(10, 20, 30)));
    button.letPictureOver(roundIcon());
    button.letUseMaskColor(false);
    button.letSoftBevel(true);
    button.letPicturePosition(Cmd::PicturePosition::Top);
    button.letUseGreyscale(true);
    button.letSpecialEffect(Cmd::SpecialEffect::Shadow);
    button.letHandPointer(true);
    button.letCheckBoxBehaviour(true);
    button.letValue(true);
    button.letEnabled(false);
}

void configure(DropDownButton &button)
{
    button.letReset(true);
    button.letCaption("Pay");
    button.letBackColor(0x123456);
    button.letButtonType(Cmd::ButtonType::Selection);
    button.letArrowColor(0x0000FF);
    button.letIsBlueButton(true);
}

void configure(OrvLabel &label)
{
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
}

void configure(OrvProgress &bar)
{
    bar.letMax(80.5);
    bar.letMin(10.25);
    bar.letValue(40.75);
    bar.letBackColor(0x101010);
    bar.letForeColor(0xFF0000);
    bar.letOutColor(HostColor::systemColourFlag + 5);
}

// Its font and colour are the label's own, saved but never read back.
void configure(InformationBar &bar)
{
    bar.letText("Filed");
    bar.Label1()->setFont(QFont("Courier", 14));
    QPalette red = bar.Label1()->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    bar.Label1()->setPalette(red);
}

void configure(LeftPanel &panel)
{
    panel.letEnabled(false);
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

// One control type as a form handles it.
struct Kind {
    std::function<UserControl *(QWidget *)> place;
    std::function<void(UserControl &)> init;
    std::function<void(UserControl &, const PropertyBag &)> read;
    std::function<void(const UserControl &, PropertyBag &)> write;
    std::function<void(UserControl &)> configure;
};

template <typename Control> Kind kindOf()
{
    return {[](QWidget *form) -> UserControl * {
                auto *control = new Control(form);
                if constexpr (std::is_base_of_v<FlatCombo, Control>)
                    for (const char *city : {"Delhi", "Mumbai", "Madurai"})
                        control->AddItem(QString::fromLatin1(city));
                return control;
            },
            [](UserControl &control) {
                if constexpr (requires(Control & c) { c.InitProperties(); })
                    static_cast<Control &>(control).InitProperties();
            },
            [](UserControl &control, const PropertyBag &bag) {
                static_cast<Control &>(control).ReadProperties(bag);
            },
            [](const UserControl &control, PropertyBag &bag) {
                static_cast<const Control &>(control).WriteProperties(bag);
            },
            [](UserControl &control) { configure(static_cast<Control &>(control)); }};
}

const Kind &kind(const QString &name)
{
    static const QMap<QString, Kind> kinds{
        {"TextOrv", kindOf<TextOrv>()},
        {"NumInt", kindOf<NumInt>()},
        {"StringCtl", kindOf<StringCtl>()},
        {"Search", kindOf<Search>()},
        {"OCombo1", kindOf<OCombo1>()},
        {"OComboReadOnly", kindOf<OComboReadOnly>()},
        {"cmd", kindOf<cmd>()},
        {"DropDownButton", kindOf<DropDownButton>()},
        {"OrvLabel", kindOf<OrvLabel>()},
        {"OrvProgress", kindOf<OrvProgress>()},
        {"InformationBar", kindOf<InformationBar>()},
        {"LeftPanel", kindOf<LeftPanel>()},
    };
    return kinds.find(name).value();
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

// A shown form holding one control of a kind; `changed` records the keys the control
// announces, in order. A combo's form has a bold serif font, which it must not take.
struct Form {
    explicit Form(const QString &kindName) : kind(::kind(kindName))
    {
        control = kind.place(&window);
        if (qobject_cast<FlatCombo *>(control)) {
            QFont font("DejaVu Serif");
            font.setBold(true);
            window.setFont(font);
        }
        control->setObjectName(kindName + "1");
        QObject::connect(control, &UserControl::propertyChanged, &window,
                         [this](const QString &key) { changed << key; });
        window.show();
    }
    QByteArray saved() const
    {
        PropertyBag bag;
        kind.write(*control, bag);
        return bag.toJson();
    }
    void load(const QByteArray &json) { kind.read(*control, fromJson(json)); }

    const Kind &kind;
    QWidget window;
    UserControl *control;
    QStringList changed;
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
    // sample's bytes (keys, order and values), announcing `announced` on the way and
    // nothing when configured again. A control loaded from the sample, announcing nothing,
    // has the configured properties but `notLoaded`, shows `loadedShows` and, when it read
    // everything, saves the sample again.
    void sample_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("announced");
        QTest::addColumn<QStringList>("notLoaded");
        QTest::addColumn<QByteArray>("loadedShows");
        QTest::addColumn<QByteArray>("savedAgain");
        QTest::addColumn<QStringList>("unsignalled");
        const QByteArray locked(R"({"enabled":true,"box enabled":false})");
        const QByteArray disabled(R"({"enabled":false,"box enabled":false})");
        QTest::newRow("TextOrv") << "TextOrv"
                                 << QStringList{"Border",          "Appearance", "Text",
                                                "PasswordChar",    "MaxLength",  "Alignment",
                                                "TTYPE",           "TLimit",     "BorderColor",
                                                "BorderColorOver", "Style",      "FillColor",
                                                "FontName",        "FontSize",   "Enabled",
                                                "Locked",          "ErrorFlag"}
                                 << QStringList{"ErrorFlag"} << disabled << QByteArray()
                                 << QStringList();
        // A saved Enabled False disables the whole NumInt, but only the box of the others.
        QTest::newRow("NumInt") << "NumInt"
                                << QStringList{"Text",   "Enabled",  "MaxLength", "BackColor",
                                               "Locked", "FontName", "FontSize",  "ErrorFlag"}
                                << QStringList{"ErrorFlag"} << disabled << QByteArray()
                                << QStringList();
        QTest::newRow("StringCtl")
            << "StringCtl" << QStringList{"Text",     "Enabled",  "MaxLength", "FontName",
                                          "FontSize", "FontBold", "Locked",    "ErrorFlag"}
            << QStringList{"ErrorFlag"} << locked << QByteArray() << QStringList();
        QTest::newRow("Search") << "Search" << QStringList{"BackColor", "ForeColor", "Enabled",
                                                           "Font",      "BackStyle", "BorderStyle",
                                                           "Alignment", "FontBold",  "FontItalic",
                                                           "FontName",  "FontSize",  "MaxLength",
                                                           "Text"}
                                << QStringList() << locked << QByteArray() << QStringList();
        // A loaded error is kept, not shown.
        const QStringList comboAnnounced{"Font", "FontSize", "ListIndex", "ErrorFlag", "Enabled"};
        const QByteArray errorHidden(R"({"box enabled":false,"shape":2147483648,"tooltip":""})");
        QTest::newRow("OCombo1") << "OCombo1" << comboAnnounced << QStringList() << errorHidden
                                 << QByteArray() << QStringList();
        QTest::newRow("OComboReadOnly does not read Text")
            << "OComboReadOnly" << comboAnnounced << QStringList{"Text", "listIndex"} << errorHidden
            << QByteArray(R"([["ErrorFlag","Pick a city"],["Font","DejaVu Sans,10.5,-1,5,400,1,0,)"
                          R"(0,0,0,0,0,0,0,0,1"],["Text",""],["Enabled",false],["FontSize",10.5],)"
                          R"(["FontName","DejaVu Sans"]])")
            << QStringList();
        // The picture shown on hover is announced as PICO and saved as PICH.
        QTest::newRow("cmd") << "cmd"
                             << QStringList{"BTYPE", "TX",   "FONT",  "COLTYPE", "FOCUSR", "BCOL",
                                            "BCOLO", "FCOL", "FCOLO", "MCOL",    "MPTR",   "MICON",
                                            "PICN",  "PICO", "UMCOL", "SOFT",    "PICPOS", "NGREY",
                                            "FX",    "HAND", "CHECK", "VALUE",   "ENAB"}
                             << QStringList()
                             << QByteArray(
                                    R"({"enabled":false,"access key":"s","cursor":"BitmapCursor"})")
                             << QByteArray() << QStringList();
        QTest::newRow("DropDownButton")
            << "DropDownButton"
            << QStringList{"IsReset", "Caption", "BackColor", "ButtonType", "ArrowColor", "IsBlue"}
            << QStringList()
            << QByteArray(R"({"arrow back":1193046,"arrow type":"Selection","arrow fore":255,)"
                          R"("arrow fore over":255,"default fore":0,"entries":["Default"]})")
            << QByteArray() << QStringList();
        QTest::newRow("OrvLabel") << "OrvLabel"
                                  << QStringList{"BackColor",   "BackStyle", "ForeColor",
                                                 "BorderStyle", "Enabled",   "AutoSize",
                                                 "Alignment",   "Caption",   "FontBold",
                                                 "FontSize",    "FontName"}
                                  << QStringList{"BackColor", "BackStyle", "ForeColor"}
                                  << QByteArray(R"({"enabled":false})") << QByteArray()
                                  << QStringList();
        QTest::newRow("OrvProgress") << "OrvProgress" << QStringList() << QStringList()
                                     << QByteArray("{}") << QByteArray() << QStringList();
        QTest::newRow("InformationBar") << "InformationBar" << QStringList{"Text"} << QStringList()
                                        << QByteArray(R"({"label font":"Arial"})")
                                        << QByteArray(R"([["Text","Filed"]])") << QStringList();
        QTest::newRow("LeftPanel") << "LeftPanel" << QStringList{"Enabled"} << QStringList()
                                   << QByteArray(R"({"enabled":true,"grid enabled":false})")
                                   << QByteArray() << QStringList();
    }
    void sample()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, notLoaded);
        QFETCH(QByteArray, loadedShows);
        QFETCH(QByteArray, savedAgain);
        const QByteArray stored = ::sample(kind);

        Form configured(kind);
        const QVariantMap before = properties(*configured.control);
        std::map<QByteArray, std::unique_ptr<QSignalSpy>> changeSignals;
        const QMetaObject &meta = *configured.control->metaObject();
        for (int i = UserControl::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i)
            if (meta.property(i).hasNotifySignal())
                changeSignals[meta.property(i).name()] = std::make_unique<QSignalSpy>(
                    configured.control, meta.property(i).notifySignal());
        configured.kind.configure(*configured.control);
        QTEST(configured.changed, "announced");
        QStringList unsignalled;
        for (const QString &name : differing(before, properties(*configured.control))) {
            const auto spy = changeSignals.find(name.toLatin1());
            if (spy == changeSignals.end() || spy->second->isEmpty())
                unsignalled << name;
        }
        QTEST(unsignalled, "unsignalled");
        const QByteArray saved = configured.saved();
        QVERIFY2(saved == stored, saved.constData());

        // Every property assigned the value it has: nothing is announced or signalled.
        configured.changed.clear();
        for (const auto &[name, spy] : changeSignals)
            spy->clear();
        for (int i = UserControl::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i)
            if (meta.property(i).isWritable())
                meta.property(i).write(configured.control,
                                       meta.property(i).read(configured.control));
        QCOMPARE(configured.changed, QStringList());
        for (const auto &[name, spy] : changeSignals)
            QVERIFY2(spy->isEmpty(), name.constData());

        Form loaded(kind);
        loaded.load(stored);
        QCOMPARE(loaded.changed, QStringList());
        QCOMPARE(differing(properties(*configured.control), properties(*loaded.control)),
                 notLoaded);
        const QStringList wrong = mismatches(*loaded.control, loadedShows);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
        QCOMPARE(compact(loaded.saved()), savedAgain.isEmpty() ? compact(stored) : savedAgain);
    }

    // A control placed on a form writes `placed`; one loaded from that store writes
    // `savedAgain`, or the same again when that is empty.
    void placedAndSavedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("placed");
        QTest::addColumn<QByteArray>("savedAgain");
        QTest::newRow("TextOrv: Border and Appearance are placed, not loaded")
            << "TextOrv"
            << QByteArray(
                   R"([["Border",0],["Appearance",0],["TTYPE",0],["TLimit","-99999999999999:99999999999999"],)"
                   R"(["FontSize",8.25]])")
            << QByteArray(
                   R"([["TTYPE",0],["TLimit","-99999999999999:99999999999999"],["FontSize",8.25]])");
        QTest::newRow("NumInt") << "NumInt"
                                << QByteArray(R"([["FontName","Verdana"],["FontSize",8.25]])")
                                << QByteArray();
        QTest::newRow("StringCtl")
            << "StringCtl" << QByteArray(R"([["FontName","Verdana"],["FontSize",8.25]])")
            << QByteArray();
        QTest::newRow("Search") << "Search"
                                << QByteArray(
                                       R"([["Font","Arial,9,-1,5,400,1,0,0,0,0,0,0,0,0,0,1"],)"
                                       R"(["FontItalic",true],["FontSize",9]])")
                                << QByteArray();
        const QByteArray combo(
            R"([["Font","Verdana,8.25,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"],["Text",""],["FontSize",8.25],["FontName","Verdana"]])");
        QTest::newRow("OCombo1") << "OCombo1" << combo << QByteArray();
        QTest::newRow("OComboReadOnly") << "OComboReadOnly" << combo << QByteArray();
        QTest::newRow("cmd: the caption is the form's name for it")
            << "cmd" << QByteArray(R"([["TX","cmd1"]])") << QByteArray();
        QTest::newRow("DropDownButton") << "DropDownButton" << QByteArray("[]") << QByteArray();
        QTest::newRow("OrvLabel") << "OrvLabel"
                                  << QByteArray(R"([["FontSize",8.25],["FontName","Verdana"]])")
                                  << QByteArray();
        QTest::newRow("OrvProgress") << "OrvProgress" << QByteArray("[]") << QByteArray();
        QTest::newRow("InformationBar") << "InformationBar" << QByteArray("[]") << QByteArray();
        QTest::newRow("LeftPanel") << "LeftPanel" << QByteArray("[]") << QByteArray();
    }
    void placedAndSavedAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, placed);
        QFETCH(QByteArray, savedAgain);
        Form form(kind);
        form.kind.init(*form.control);
        const QByteArray saved = form.saved();
        QCOMPARE(compact(saved), placed);
        Form loaded(kind);
        loaded.load(saved);
        QCOMPARE(compact(loaded.saved()), savedAgain.isEmpty() ? placed : savedAgain);
    }

    // Every key missing from the store loads its default, whatever the control held: the
    // control then has `expected` (JSON; enumerated values by name, system colours such as
    // 0x80000005 as 2147483653) and writes `saved`.
    void emptyStoreLoadsDefaults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray input(R"("enabled":true,"box enabled":true,"Text":"","FontName":"Arial",)"
                               R"("FontSize":8,"MaxLength":)");
        QTest::newRow("TextOrv: the type and limit are always written")
            << "TextOrv"
            << "{" + input +
                   R"(0,"PasswordChar":"","Locked":false,"Border":true,"Alignment":"Left",)"
                   R"("Appearance":"ThreeD","TextType":"FreeText","TextLimit":"-99999999999999:99999999999999",)"
                   R"("BorderColor":12164479,"BorderColorFocus":15782064,"Style":"Standard",)"
                   R"("DigitAfterDecimal":2,"TextCase":"Proper","FillColor":0,"background":2147483653})"
            << QByteArray(R"([["TTYPE",0],["TLimit","-99999999999999:99999999999999"]])");
        QTest::newRow("NumInt") << "NumInt"
                                << "{" + input +
                                       R"(10,"BackColor":2147483653,"Locked":false,)"
                                       R"("ErrorFlag":"not saved"})"
                                << QByteArray("[]");
        QTest::newRow("StringCtl")
            << "StringCtl"
            << "{" + input + R"(75,"FontBold":false,"Locked":false})" << QByteArray("[]");
        QTest::newRow("Search")
            << "Search"
            << "{" + input +
                   R"(75,"BackColor":2147483653,"ForeColor":2147483656,"BackStyle":0,)"
                   R"("BorderStyle":"None","Alignment":"Left","FontBold":false,"FontItalic":false})"
            << QByteArray(R"([["Font","Arial,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"]])");
        // The loaded font is the default's, not the form's; OCombo1 writes every font name,
        // OComboReadOnly leaves Arial out and writes the text it never reads.
        const QByteArray combo(
            R"({"Enabled":true,"FontName":"Arial","FontSize":12,"ErrorFlag":"",)");
        const QByteArray loadedFont(R"(["Font","Arial,12,-1,5,700,0,0,0,0,0,0,0,0,0,0,1"])");
        QTest::newRow("OCombo1") << "OCombo1" << combo + R"("Text":"Combo1"})"
                                 << "[" + loadedFont + R"(,["FontName","Arial"]])";
        QTest::newRow("OComboReadOnly") << "OComboReadOnly" << combo + R"("Text":"Madurai"})"
                                        << "[" + loadedFont + R"(,["Text","Madurai"]])";
        // A font given to the button stays when the store holds none.
        QTest::newRow("cmd")
            << "cmd"
            << QByteArray(
                   R"({"Caption":"","ButtonType":"Standard","UseMaskColor":true,"MaskColor":12632256})")
            << QByteArray(R"([["FONT","DejaVu Sans,10,-1,5,700,0,0,0,0,0,0,0,0,0,0,1"]])");
        QTest::newRow("DropDownButton")
            << "DropDownButton"
            << QByteArray(
                   R"({"FontName":"Arial","default type":"ThinBevel","arrow type":"ThinBevel"})")
            << QByteArray("[]");
        QTest::newRow("OrvLabel")
            << "OrvLabel"
            << QByteArray(
                   R"({"Caption":"Label1","Alignment":"Left","FontName":"Arial","FontSize":10})")
            << QByteArray("[]");
        QTest::newRow("OrvProgress")
            << "OrvProgress" << QByteArray(R"({"Value":0,"Min":0,"Max":100})") << QByteArray("[]");
        // The label's colour is never read back.
        QTest::newRow("InformationBar")
            << "InformationBar" << QByteArray(R"({"Text":"","label font":"Arial","label size":10})")
            << QByteArray(R"([["ForeColor",255]])");
        QTest::newRow("LeftPanel")
            << "LeftPanel" << QByteArray(R"({"Enabled":true})") << QByteArray("[]");
    }
    void emptyStoreLoadsDefaults()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, expected);
        Form form(kind);
        form.kind.configure(*form.control);
        form.load("[]");
        const QStringList wrong = mismatches(*form.control, expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
        QTEST(compact(form.saved()), "saved");
    }

    // The text is neither normalised for its type nor cut to the MaxLength read after it;
    // keys are matched in any case.
    void textOrvTypeAndLimitLoadAsStored()
    {
        Form form("TextOrv");
        form.load(R"([["Text","150"],["MaxLength",2],["ttype",1],["tlimit","0:100.50"]])");
        const auto &txt = static_cast<const TextOrv &>(*form.control);
        QCOMPARE(txt.Text(), QString("150"));
        QCOMPARE(txt.MaxLength(), 2);
        QCOMPARE(txt.TextType(), OrvInput::TextType::Decimal);
        QCOMPARE(txt.TextLimit(), QString("0:100.50"));
    }

    // The font arrives first, so the four single values, loaded or defaulted, win over it;
    // what they do not name (the underline) comes from the font.
    void searchSingleFontValuesWinOverTheFont()
    {
        QFont font("DejaVu Serif", 20);
        font.setBold(true);
        font.setUnderline(true);
        PropertyBag bag;
        bag.WriteProperty("Font", font.toString());
        bag.WriteProperty("FontSize", 12.0f);
        Form form("Search");
        form.kind.read(*form.control, bag);
        const auto &search = static_cast<const Search &>(*form.control);
        QCOMPARE(search.FontName(), QString("Arial"));
        QCOMPARE(search.FontSize(), 12.0f);
        QVERIFY(!search.FontBold());
        QVERIFY(search.Font().underline());
    }

    // The hover colours follow the colours read when they are missing.
    void cmdHoverColoursDefaultToTheColoursRead()
    {
        Form form("cmd");
        form.load(R"([["BCOL",1193046],["FCOL",6636321]])");
        const auto &button = static_cast<const cmd &>(*form.control);
        QCOMPARE(button.BackOver(), quint32(0x123456));
        QCOMPARE(button.ForeOver(), quint32(0x654321));
    }

    // HandPointer shows the library's hand; False shows the arrow.
    void cmdHandPointer()
    {
        cmd button;
        button.letHandPointer(true);
        QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(button.cursor().pixmap().size(), QSize(32, 32));
        button.letHandPointer(false);
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(tst_ControlPersistence)
#include "tst_ControlPersistence.moc"
