#include "Twips.h"

#include <cmath>

#include <QWidget>

namespace Twips
{

int toPixels(int twips, int logicalDpi)
{
    return int(std::lround(double(twips) * logicalDpi / perInch));
}

int fromPixels(int pixels, int logicalDpi)
{
    return int(std::lround(double(pixels) * perInch / logicalDpi));
}

int toPixels(int twips, const QWidget &widget)
{
    return toPixels(twips, widget.logicalDpiX());
}

int fromPixels(int pixels, const QWidget &widget)
{
    return fromPixels(pixels, widget.logicalDpiX());
}

} // namespace Twips
