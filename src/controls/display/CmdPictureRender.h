#pragma once

#include <optional>

#include <QImage>
#include <QRect>
#include <QtGlobal>

// How one picture is laid onto a button's surface.
struct CmdPictureBlit {
    // The box on the surface; the picture is read from its own top-left corner.
    QRect box;
    // Picture pixels of this host colour leave the surface as it is.
    std::optional<quint32> transparent;
    // A silhouette: every drawn pixel takes this host colour.
    std::optional<quint32> shade;
    // With a shade, only the dark pixels (red + green + blue below 385) are drawn.
    bool darkOnly = false;
    bool greyscale = false;
    // Each channel (2 × picture + surface) / 3.
    bool blend = false;
};

// The grey of a pixel: 0.3 red rounded half to even, plus 0.59 green and 0.11 blue, the
// sum rounded half to even again.
int PictureGrey(int red, int green, int blue);

// Lays `picture` (RGB32) onto `surface` (32 bits a pixel, opaque) inside the blit's box.
// Pixels outside the surface, and box pixels the picture does not cover, are untouched.
void DrawPicture(QImage &surface, const QImage &picture, const CmdPictureBlit &blit);
