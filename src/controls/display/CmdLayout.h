#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "CmdEnums.h"
#include "CmdPicture.h"

// Where a `cmd` puts its caption, picture and focus mark; pure functions of the
// client size, the picture size and the measured caption.
struct CmdCaptionBox {
    // The caption's box in the up state, and moved by (+1, +1) for the down state.
    QRect TextRect;
    QRect TextRectDown;
    int TextWidth = 0;
    int TextHeight = 0;
};

// The rectangle the caption may wrap in, beside, above, below or over the picture.
QRect CaptionArea(int width, int height, Cmd::PicturePosition position, QSize picture);
// The caption of the measured size centred in the client area, leaving room for the
// picture.
CmdCaptionBox LayoutCaption(int width, int height, Cmd::PicturePosition position, QSize picture,
                            QSize text);
// The picture's top-left corner next to the caption, or centred when the caption is
// blank or the picture lies behind it.
QPoint LayoutPicture(int width, int height, Cmd::PicturePosition position, QSize picture,
                     const CmdCaptionBox &caption, bool captionBlank);
// The picture's size in pixels; none without a picture.
QSize MeasurePicture(const CmdPicture &picture);
// The dotted focus mark's rectangle of a type.
QRect FocusRectFor(Cmd::ButtonType type, int width, int height);
