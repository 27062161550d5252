#pragma once

#include <QObject>

// The enumerated properties of the display controls; each value is the integer a form saves.
namespace OrvDisplay
{
Q_NAMESPACE

enum class Alignment : short { Left = 0, Right = 1, Center = 2 };
Q_ENUM_NS(Alignment)

enum class BackStyle : short { Transparent = 0, Opaque = 1 };
Q_ENUM_NS(BackStyle)

enum class BorderStyle : short { None = 0, FixedSingle = 1 };
Q_ENUM_NS(BorderStyle)

} // namespace OrvDisplay
