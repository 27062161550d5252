#pragma once

#include <QImage>
#include <QRect>

#include "CmdEnums.h"
#include "CmdLayout.h"
#include "CmdPalette.h"

class CmdPicture;
class DeviceContext;
class DeviceText;

// Everything one paint of a `cmd` look reads: the surface, the palette of this
// paint, the control's flags and its laid-out caption.
struct CmdScene {
    explicit CmdScene(DeviceContext &surface) : dc(surface) {}

    DeviceContext &dc;
    CmdPalette palette;
    Cmd::ButtonType type = Cmd::ButtonType::Standard;
    Cmd::ColorScheme scheme = Cmd::ColorScheme::System;
    Cmd::SpecialEffect effect = Cmd::SpecialEffect::None;
    int W = 0;
    int H = 0;
    bool isOver = false;
    bool hasFocus = false;
    bool showFocusRect = true;
    bool displayAsDefault = false;
    bool softBevel = false;
    QRect focusRect;
    const DeviceText *caption = nullptr;
    CmdCaptionBox captionBox;
    // The caption laid out in bold, for the faded-gradient look of a default button.
    const DeviceText *boldCaption = nullptr;
    CmdCaptionBox boldCaptionBox;
    // The parent's background captured for the parent-background look.
    const QImage *background = nullptr;
    // The pictures, laid out in `pictureBox`; an unset one is null.
    const CmdPicture *pictureNormal = nullptr;
    const CmdPicture *pictureOver = nullptr;
    QRect pictureBox;
    Cmd::PicturePosition picturePosition = Cmd::PicturePosition::Left;
    bool useMaskColor = true;
    bool useGreyscale = false;
};

// How a caption is drawn: the saved caption mode numbers.
enum class CmdCaptionMode : int {
    Up = 0,
    UpHovered = 1,
    Down = 2,
    DisabledEngraved = 3,
    DisabledFlat = 4,
    DisabledGradient = 5,
    DisabledFaded = 6,
    DownFaded = 7,
};
