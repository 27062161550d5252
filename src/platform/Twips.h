#pragma once

class QWidget;

// Lengths in twips (1/1440 inch): 15 to a pixel at 96 dots per inch, scaled by the
// logical dpi of the screen the widget is on.
namespace Twips
{

constexpr int perInch = 1440;

int toPixels(int twips, int logicalDpi);
int fromPixels(int pixels, int logicalDpi);
int toPixels(int twips, const QWidget &widget);
int fromPixels(int pixels, const QWidget &widget);

} // namespace Twips
