#pragma once

#include <QObject>

// The enumerated properties that input and display controls share; each value is the
// integer a form saves.
namespace Orv
{
Q_NAMESPACE

enum class Alignment : short { Left = 0, Right = 1, Center = 2 };
Q_ENUM_NS(Alignment)

// Whether the control, or its inner box, draws a single-line border.
enum class BorderStyle : short { None = 0, FixedSingle = 1 };
Q_ENUM_NS(BorderStyle)

// The horizontal part of the alignment; a saved value without a name here aligns left.
Qt::Alignment horizontalAlignment(Alignment alignment);

} // namespace Orv
