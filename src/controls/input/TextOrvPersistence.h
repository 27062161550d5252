#pragma once

#include <QtGlobal>

class PropertyBag;
class TextOrv;

// How a TextOrv is placed on a form, saved to the form's property store and loaded
// from it. The keys, their order and their defaults are the form files' format.
class TextOrvPersistence
{
public:
    static constexpr quint32 defaultBorderColor = 12164479;      // RGB(127, 157, 185)
    static constexpr quint32 defaultBorderColorFocus = 15782064; // RGB(176, 208, 240)

    static void init(TextOrv &control);
    static void read(TextOrv &control, const PropertyBag &bag);
    static void write(const TextOrv &control, PropertyBag &bag);
};
