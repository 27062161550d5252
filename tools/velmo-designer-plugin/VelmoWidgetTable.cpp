#include "VelmoWidgetTable.h"

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

// A control as a form places it: with the defaults of a new control where it has them.
template <typename Control> QWidget *placed(QWidget *parent)
{
    auto *control = new Control(parent);
    if constexpr (requires { control->InitProperties(); })
        control->InitProperties();
    return control;
}

} // namespace

const std::vector<VelmoWidgetEntry> &velmoWidgets()
{
    static const std::vector<VelmoWidgetEntry> entries{
        {"TextOrv", "controls/input/TextOrv.h", "Text input", {120, 22}, &placed<TextOrv>},
        {"OCombo1",
         "controls/input/OCombo1.h",
         "Flat combo box that completes typed text",
         {160, 22},
         &placed<OCombo1>},
        {"OComboReadOnly",
         "controls/input/OComboReadOnly.h",
         "Flat drop-down list",
         {160, 22},
         &placed<OComboReadOnly>},
        {"NumInt", "controls/input/NumInt.h", "Whole-number input", {80, 22}, &placed<NumInt>},
        {"StringCtl",
         "controls/input/StringCtl.h",
         "Name input without apostrophes",
         {160, 22},
         &placed<StringCtl>},
        {"Search", "controls/input/Search.h", "Search box", {180, 24}, &placed<Search>},
        {"cmd", "controls/display/cmd.h", "Command button", {90, 26}, &placed<cmd>},
        {"DropDownButton",
         "controls/display/DropDownButton.h",
         "Drop-down button",
         {120, 26},
         &placed<DropDownButton>},
        {"OrvLabel",
         "controls/display/OrvLabel.h",
         "Label with an engraved disabled look",
         {60, 16},
         &placed<OrvLabel>},
        {"OrvProgress",
         "controls/display/OrvProgress.h",
         "Progress bar",
         {200, 20},
         &placed<OrvProgress>},
        {"orvSeparator",
         "controls/display/orvSeparator.h",
         "Etched rule",
         {399, 2},
         &placed<orvSeparator>},
        {"InformationBar",
         "controls/display/InformationBar.h",
         "Information strip",
         {300, 28},
         &placed<InformationBar>},
        {"LeftPanel",
         "controls/display/LeftPanel.h",
         "Navigation panel",
         {320, 240},
         &placed<LeftPanel>},
    };
    return entries;
}
