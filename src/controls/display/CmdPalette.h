#pragma once

#include <QtGlobal>

#include "CmdEnums.h"

// The colours every look of `cmd` reads, host colours 0x00BBGGRR, derived from the
// colour scheme once per scheme or colour change.
struct CmdPalette {
    quint32 FaceColor = 0;
    quint32 LightColor = 0;
    quint32 HighlightColor = 0;
    quint32 ShadowColor = 0;
    quint32 DarkShadowColor = 0;
    quint32 TextColor = 0;
    quint32 TextOverColor = 0;
    quint32 SelectColor = 0;
    quint32 SelectLightColor = 0;
    quint32 MaskColorValue = 0;
    quint32 TypeFaceColor = 0;
};

// What the palette is derived from.
struct CmdColorInputs {
    Cmd::ColorScheme scheme = Cmd::ColorScheme::System;
    Cmd::ButtonType buttonType = Cmd::ButtonType::Standard;
    quint32 backColor = 0;
    quint32 foreColor = 0;
    quint32 foreOver = 0;
    quint32 maskColor = 0;
    bool softBevel = false;
    // The parent's background and text colours, for the parent-colours scheme.
    quint32 parentBack = 0;
    quint32 parentText = 0;
};

// The desktop's button face and button text, as host colours.
constexpr quint32 CmdButtonFace = 0x80000000u + 15;
constexpr quint32 CmdButtonText = 0x80000000u + 18;

// A host colour value as RGB; system colours come from the desktop palette.
quint32 TranslateColor(quint32 value);
// Moves red, green and blue by `amount` (halved toward zero under soft bevel),
// clamped to 0..255; blue moves by blue × amount / 192 when blue-proportional.
quint32 ShiftColor(quint32 color, int amount, bool softBevel, bool blueProportional = false);
// Each channel moved toward white: c × (255 − amount) / 255 + amount, at most 255.
quint32 BlendToWhite(quint32 color, int amount);
CmdPalette ComputePalette(const CmdColorInputs &inputs);
