#include "CmdLayout.h"

QRect CaptionArea(int width, int height, Cmd::PicturePosition position, QSize picture)
{
    int left = 1;
    int top = 1;
    int right = width - 2;
    int bottom = height - 2;
    switch (position) {
    case Cmd::PicturePosition::Left:
        left = picture.width() + 1;
        break;
    case Cmd::PicturePosition::Right:
        right -= picture.width();
        break;
    case Cmd::PicturePosition::Top:
        top = picture.height() + 1;
        break;
    case Cmd::PicturePosition::Bottom:
        bottom -= picture.height();
        break;
    case Cmd::PicturePosition::Behind:
        break;
    }
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

CmdCaptionBox LayoutCaption(int width, int height, Cmd::PicturePosition position, QSize picture,
                            QSize text)
{
    const QRect area = CaptionArea(width, height, position, picture);
    CmdCaptionBox box;
    box.TextWidth = text.width();
    box.TextHeight = text.height();
    const int right = area.left() + box.TextWidth;
    const int bottom = area.top() + box.TextHeight;
    int dx = (width - right) / 2;
    int dy = (height - bottom) / 2;
    if (position == Cmd::PicturePosition::Right)
        dx = (width - right - picture.width() - 4) / 2;
    else if (position == Cmd::PicturePosition::Bottom)
        dy = (height - bottom - picture.height() - 4) / 2;
    box.TextRect = QRect(area.left() + dx, area.top() + dy, box.TextWidth, box.TextHeight);
    box.TextRectDown = box.TextRect.translated(1, 1);
    return box;
}

QPoint LayoutPicture(int width, int height, Cmd::PicturePosition position, QSize picture,
                     const CmdCaptionBox &caption, bool captionBlank)
{
    const int centredX = (width - picture.width()) / 2;
    const int centredY = (height - picture.height()) / 2;
    if (captionBlank)
        return {centredX, centredY};
    const QRect &text = caption.TextRect;
    switch (position) {
    case Cmd::PicturePosition::Left:
        return {text.left() - picture.width() - 4, centredY};
    case Cmd::PicturePosition::Right:
        return {text.left() + text.width() + 4, centredY};
    case Cmd::PicturePosition::Top:
        return {centredX, text.top() - picture.height() - 2};
    case Cmd::PicturePosition::Bottom:
        return {centredX, text.top() + text.height() + 2};
    case Cmd::PicturePosition::Behind:
        break;
    }
    return {centredX, centredY};
}

QSize MeasurePicture(const CmdPicture &picture)
{
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

QRect FocusRectFor(Cmd::ButtonType type, int width, int height)
{
    const QRect client(0, 0, width, height);
    const int t = int(type);
    if (t >= 7 && t <= 13)
        return client.adjusted(3, 3, -3, -3);
    if (type == Cmd::ButtonType::FadedGradient)
        return client.adjusted(5, 5, -5, -5).translated(1, 1);
    return client.adjusted(4, 4, -4, -4);
}
