#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the host stores them in 32 bits: below 0x80000000 an RGB value with red
// in the low byte; with the top bit set a system colour, named by its index in the
// low byte and taken from the desktop palette.
namespace HostColor
{

constexpr quint32 systemColourFlag = 0x80000000u;
constexpr quint32 scrollBar = systemColourFlag + 0;
constexpr quint32 window = systemColourFlag + 5;

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red & 0xff) | quint32(green & 0xff) << 8 | quint32(blue & 0xff) << 16;
}

QColor toColor(quint32 value);
quint32 fromColor(const QColor &color);

} // namespace HostColor
