#pragma once

#include <QObject>

// The enumerated properties of the command button `cmd`; each value is the integer
// a form saves.
namespace Cmd
{
Q_NAMESPACE

// The fourteen looks. A saved value outside 1..14 is kept and draws the face only.
enum class ButtonType : int {
    BoxedBevel = 1,
    Standard = 2,
    GlowGradient = 3,
    RoundedLight = 4,
    TintedFlat = 5,
    LightBevel = 6,
    ThinBevel = 7,
    HoverThinBevel = 8,
    Selection = 9,
    FaceOnly = 10,
    ParentBackground = 11,
    HoverBevel = 12,
    Oval = 13,
    FadedGradient = 14,
};
Q_ENUM_NS(ButtonType)

enum class ColorScheme : int {
    System = 1,
    Custom = 2,
    FixedGrey = 3,
    ParentColors = 4,
};
Q_ENUM_NS(ColorScheme)

enum class SpecialEffect : int {
    None = 0,
    Raised = 1,
    Engraved = 2,
    Shadow = 3,
};
Q_ENUM_NS(SpecialEffect)

enum class PicturePosition : int {
    Left = 0,
    Right = 1,
    Top = 2,
    Bottom = 3,
    Behind = 4,
};
Q_ENUM_NS(PicturePosition)

// The drawing states a redraw is asked for.
enum class DrawState : int {
    Up = 0,
    Down = 2,
};

} // namespace Cmd
