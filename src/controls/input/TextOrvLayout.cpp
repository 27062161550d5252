#include "TextOrvLayout.h"

#include "platform/Twips.h"

std::optional<TextOrvLayout> TextOrvLayout::compute(QSize controlPixels, int logicalDpi)
{
    constexpr int textMargin = 20;
    constexpr int textShrink = 30;
    constexpr int shapeShrink = 20;
    const auto pixels = [logicalDpi](int twips) { return Twips::toPixels(twips, logicalDpi); };
    const int width = Twips::fromPixels(controlPixels.width(), logicalDpi);
    const int height = Twips::fromPixels(controlPixels.height(), logicalDpi);
    if (width < textShrink || height < textShrink)
        return std::nullopt;
    TextOrvLayout layout;
    layout.text = QRect(pixels(textMargin), pixels(textMargin), pixels(width - textShrink),
                        pixels(height - textShrink));
    layout.shape =
        QRect(layout.text.left() - pixels(textMargin), layout.text.top() - pixels(textMargin),
              pixels(width - shapeShrink), pixels(height - shapeShrink));
    return layout;
}
