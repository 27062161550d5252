#pragma once

#include <QObject>

// The enumerated properties of the display controls alone (Orv holds those they share with
// the input controls); each value is the integer a form saves.
namespace OrvDisplay
{
Q_NAMESPACE

enum class BackStyle : short { Transparent = 0, Opaque = 1 };
Q_ENUM_NS(BackStyle)

} // namespace OrvDisplay
