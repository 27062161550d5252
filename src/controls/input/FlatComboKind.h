#pragma once

#include <QObject>

namespace OrvCombo
{
Q_NAMESPACE

// The kind of inner combo box, as the Style property reports it (the saved integers).
enum class Style : short { DropDownCombo = 0, DropDownList = 2 };
Q_ENUM_NS(Style)

} // namespace OrvCombo

// All that tells the two flat combo boxes apart; everything else they share.
struct FlatComboKind {
    // A drop-down combo takes typing and completes it; a drop-down list only picks.
    OrvCombo::Style style;
    // Whether loading applies the saved "Text"; both kinds write it.
    bool loadsText;
    // The "FontName" that saving leaves out ("Arial" is what a missing key loads).
    const char *fontNameLeftOutWhenSaving;
};

namespace FlatComboKinds
{

// OCombo1: types and completes; an empty default for saving writes every font name.
inline constexpr FlatComboKind typing{OrvCombo::Style::DropDownCombo, true, ""};
// OComboReadOnly: picks from the list only.
inline constexpr FlatComboKind picking{OrvCombo::Style::DropDownList, false, "Arial"};

} // namespace FlatComboKinds
