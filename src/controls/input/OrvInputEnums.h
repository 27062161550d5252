#pragma once

#include <QObject>

// The enumerated properties of the input controls alone (Orv holds those they share with
// the display controls); each value is the integer a form saves, and a saved value without
// a name here is kept as it is.
namespace OrvInput
{
Q_NAMESPACE

// What a box accepts while typing and how it normalises; other values accept anything.
enum class TextType : int { FreeText = 0, Decimal = 1, Integer = 2, Date = 3, Digits = 4 };
Q_ENUM_NS(TextType)

// The case rule of free text; other values leave the text as typed.
enum class TextCase : int { Upper = 0, Lower = 1, Proper = 2 };
Q_ENUM_NS(TextCase)

enum class Appearance : short { Flat = 0, ThreeD = 1 };
Q_ENUM_NS(Appearance)

// Standard: the inner box draws its own border; any other value draws the flat frame.
enum class Style : int { Standard = 0, Flat = 1 };
Q_ENUM_NS(Style)

} // namespace OrvInput
