#include "CmdPictureRender.h"

#include <cmath>

namespace
{

constexpr quint32 rgbMask = 0xffffff;
constexpr QRgb opaque = 0xff000000;

// A host colour 0x00BBGGRR as the surface's 0xAARRGGBB.
QRgb surfaceColour(quint32 host)
{
    return opaque | (host & 0xff) << 16 | (host & 0xff00) | (host >> 16 & 0xff);
}

int brightness(QRgb pixel)
{
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel);
}

QRgb blended(QRgb picture, QRgb background)
{
    const auto channel = [](int p, int b) { return (2 * p + b) / 3; };
    return qRgb(channel(qRed(picture), qRed(background)),
                channel(qGreen(picture), qGreen(background)),
                channel(qBlue(picture), qBlue(background)));
}

} // namespace

int PictureGrey(int red, int green, int blue)
{
    // nearbyint rounds half to even under the default rounding mode.
    const double redPart = std::nearbyint(0.3 * red);
    return int(std::nearbyint(redPart + 0.59 * green + 0.11 * blue));
}

void DrawPicture(QImage &surface, const QImage &picture, const CmdPictureBlit &blit)
{
    const QRect covered =
        blit.box.intersected(QRect(blit.box.topLeft(), picture.size())).intersected(surface.rect());
    if (covered.isEmpty())
        return;
    const int fromX = covered.left() - blit.box.left();
    const int fromY = covered.top() - blit.box.top();
    const bool hasTransparent = blit.transparent.has_value();
    const quint32 transparent = surfaceColour(blit.transparent.value_or(0)) & rgbMask;
    const QRgb shade = surfaceColour(blit.shade.value_or(0));
    for (int row = 0; row < covered.height(); ++row) {
        const auto *source = reinterpret_cast<const QRgb *>(picture.constScanLine(fromY + row)) + fromX;
        auto *target = reinterpret_cast<QRgb *>(surface.scanLine(covered.top() + row)) + covered.left();
        for (int column = 0; column < covered.width(); ++column) {
            const QRgb pixel = source[column];
            if (hasTransparent && (pixel & rgbMask) == transparent)
                continue;
            if (blit.shade) {
                if (!blit.darkOnly || brightness(pixel) < 385)
                    target[column] = shade;
            } else if (blit.greyscale) {
                const int grey = PictureGrey(qRed(pixel), qGreen(pixel), qBlue(pixel));
                target[column] = qRgb(grey, grey, grey);
            } else if (blit.blend) {
                target[column] = blended(pixel, target[column]);
            } else {
                target[column] = opaque | pixel;
            }
        }
    }
}
