#include "GalleryRegistry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

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

template <typename Control, typename Configure>
std::function<QWidget *(QWidget *)> make(QSize size, Configure configure)
{
    return [size, configure](QWidget *parent) -> QWidget * {
        auto *control = new Control(parent);
        if constexpr (requires { control->InitProperties(); })
            control->InitProperties();
        // Controls that size themselves are given no size.
        if (size.isValid())
            control->resize(size);
        configure(*control);
        return control;
    };
}

GalleryState textOrv(const char *name, bool focused, std::function<void(TextOrv &)> configure)
{
    return {"TextOrv", name, make<TextOrv>({180, 24}, configure), focused};
}

// A combo of the kind Combo holding three cities, as high as its font makes it.
template <typename Combo>
GalleryState combo(const char *name, bool focused, std::function<void(FlatCombo &)> configure)
{
    return {Combo::staticMetaObject.className(), name,
            make<Combo>(QSize(),
                        [configure](FlatCombo &box) {
                            for (const char *city : {"Delhi", "Mumbai", "Madurai"})
                                box.AddItem(QString::fromLatin1(city));
                            box.resize(180, box.sizeHint().height());
                            configure(box);
                        }),
            focused};
}

// One of the input fields in a named state; the state named "focused" takes the focus.
template <typename Field>
GalleryState inputField(const char *name, QSize size, std::function<void(Field &)> configure)
{
    return {Field::staticMetaObject.className(), name, make<Field>(size, configure),
            QByteArrayView(name) == "focused"};
}

GalleryState button(const char *name, Cmd::ButtonType type, bool enabled = true)
{
    return {"cmd", name, make<cmd>({100, 28}, [name, type, enabled](cmd &button) {
                button.letButtonType(type);
                button.letCaption(QString::fromLatin1(name));
                button.letEnabled(enabled);
            })};
}

GalleryState progress(double value)
{
    return {"OrvProgress", QString::number(value) + " %",
            make<OrvProgress>({200, 20}, [value](OrvProgress &bar) { bar.letValue(value); })};
}

} // namespace

const QList<GalleryState> &galleryStates()
{
    static const QList<GalleryState> states{
        textOrv("enabled", false, [](TextOrv &box) { box.letText("Enabled"); }),
        textOrv("focused", true, [](TextOrv &box) { box.letText("Focused"); }),
        textOrv("error", false,
                [](TextOrv &box) {
                    box.letText("98765");
                    box.letErrorFlag("Enter a ten-digit mobile number");
                }),
        textOrv("disabled", false,
                [](TextOrv &box) {
                    box.letText("Disabled");
                    box.letEnabled(false);
                }),
        combo<OCombo1>("plain", false, [](FlatCombo &box) { box.letText("Mumbai"); }),
        combo<OCombo1>("focused", true, [](FlatCombo &box) { box.letText("Mumbai"); }),
        // The key arrives once the box has the focus, as a typed key does.
        combo<OCombo1>("m typed, completed", true,
                       [](FlatCombo &box) {
                           QMetaObject::invokeMethod(
                               &box,
                               [&box] {
                                   QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier, "m");
                                   QCoreApplication::sendEvent(box.Combo1(), &m);
                               },
                               Qt::QueuedConnection);
                       }),
        combo<OCombo1>("error", false,
                       [](FlatCombo &box) {
                           box.letText("Agra");
                           box.letErrorFlag("Pick a city from the list");
                       }),
        combo<OCombo1>("disabled", false,
                       [](FlatCombo &box) {
                           box.letListIndex(0);
                           box.letEnabled(false);
                       }),
        combo<OComboReadOnly>("plain", false, [](FlatCombo &box) { box.letListIndex(2); }),
        combo<OComboReadOnly>("focused", true, [](FlatCombo &box) { box.letListIndex(2); }),
        combo<OComboReadOnly>("error", false,
                              [](FlatCombo &box) { box.letErrorFlag("Pick a city"); }),
        combo<OComboReadOnly>("disabled", false,
                              [](FlatCombo &box) {
                                  box.letListIndex(1);
                                  box.letEnabled(false);
                              }),
        inputField<NumInt>("plain", {90, 24}, [](NumInt &box) { box.letText("250"); }),
        inputField<NumInt>("focused", {90, 24}, [](NumInt &box) { box.letText("250"); }),
        inputField<NumInt>("error", {90, 24},
                           [](NumInt &box) {
                               box.letText("0");
                               box.letErrorFlag("Enter the quantity");
                           }),
        inputField<NumInt>("disabled", {90, 24},
                           [](NumInt &box) {
                               box.letText("250");
                               box.letEnabled(false);
                           }),
        inputField<StringCtl>("plain", {180, 24}, [](StringCtl &box) { box.letText("Ram Kumar"); }),
        inputField<StringCtl>("focused", {180, 24},
                              [](StringCtl &box) { box.letText("Ram Kumar"); }),
        inputField<StringCtl>("error", {180, 24},
                              [](StringCtl &box) { box.letErrorFlag("Enter the firm name"); }),
        inputField<StringCtl>("disabled", {180, 24},
                              [](StringCtl &box) {
                                  box.letText("Ram Kumar");
                                  box.letEnabled(false);
                              }),
        inputField<Search>("plain", {180, 24}, [](Search &) {}),
        inputField<Search>("with text", {180, 24}, [](Search &box) { box.letText("Mumbai"); }),
        inputField<Search>("disabled", {180, 24},
                           [](Search &box) {
                               box.letText("Mumbai");
                               box.letEnabled(false);
                           }),
        button("Standard", Cmd::ButtonType::Standard),
        button("Glow gradient", Cmd::ButtonType::GlowGradient),
        button("Oval", Cmd::ButtonType::Oval),
        button("Disabled", Cmd::ButtonType::Standard, false),
        {"DropDownButton", "enabled",
         make<DropDownButton>({140, 28}, [](DropDownButton &drop) { drop.letCaption("Year"); })},
        {"OrvLabel", "enabled",
         make<OrvLabel>(QSize(), [](OrvLabel &label) { label.letCaption("Assessment year"); })},
        {"OrvLabel", "engraved",
         make<OrvLabel>(QSize(),
                        [](OrvLabel &label) {
                            label.letCaption("Assessment year");
                            label.letEnabled(false);
                        })},
        progress(0),
        progress(37),
        progress(100),
        {"orvSeparator", "rule", make<orvSeparator>({200, 2}, [](orvSeparator &) {})},
        {"InformationBar", "text",
         make<InformationBar>({260, 28},
                              [](InformationBar &bar) {
                                  bar.Label1()->move(8, 0);
                                  bar.letText("Your return has been filed.");
                              })},
        {"LeftPanel", "active row",
         make<LeftPanel>({330, 120},
                         [](LeftPanel &panel) {
                             panel.AddItem("profile", "Profile");
                             panel.AddItem("payments", "Payments");
                             panel.AddItem("returns", "Returns", false, true);
                         })},
    };
    return states;
}
