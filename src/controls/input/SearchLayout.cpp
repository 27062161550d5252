#include "SearchLayout.h"

#include <algorithm>

#include "platform/Twips.h"

std::optional<SearchLayout> SearchLayout::compute(QSize controlPixels, QSize imagePixels,
                                                  int textHeightPixels, int logicalDpi)
{
    constexpr int gap = 100;
    const auto twips = [logicalDpi](int pixels) { return Twips::fromPixels(pixels, logicalDpi); };
    const auto pixels = [logicalDpi](int twips) { return Twips::toPixels(twips, logicalDpi); };
    const int width = twips(controlPixels.width());
    const int height = twips(controlPixels.height());
    const int imageWidth = twips(imagePixels.width());
    const int imageHeight = twips(imagePixels.height());
    const int textWidth = width - imageWidth - 2 * gap;
    if (textWidth < 0)
        return std::nullopt;
    const int imageTop = (height - imageHeight) / 2;
    SearchLayout layout;
    layout.image = QRect(QPoint(pixels(width - imageWidth - gap), pixels(imageTop)), imagePixels);
    // The box keeps clear of the frame's bottom line.
    const int textHeight =
        std::min(textHeightPixels, controlPixels.height() - 1 - layout.image.top());
    layout.text = QRect(pixels(gap), layout.image.top(), pixels(textWidth), textHeight);
    return layout;
}
