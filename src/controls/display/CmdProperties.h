#pragma once

#include <QString>
#include <QtGlobal>

#include "CmdEnums.h"
#include "CmdPicture.h"

// The design-time properties of a `cmd` that drive its drawing, with the defaults of
// a newly placed button. Colours are host colours; the constructor fills the four
// face and text colours from the desktop.
struct CmdProperties {
    quint32 BackColor = 0;
    quint32 BackOver = 0;
    quint32 ForeColor = 0;
    quint32 ForeOver = 0;
    quint32 MaskColor = 0xC0C0C0;
    Cmd::ButtonType ButtonType = Cmd::ButtonType::Standard;
    QString Caption;
    Cmd::ColorScheme ColorScheme = Cmd::ColorScheme::System;
    bool ShowFocusRect = true;
    short MousePointer = 0;
    CmdPicture MouseIcon;
    bool HandPointer = false;
    bool SoftBevel = false;
    Cmd::PicturePosition PicturePosition = Cmd::PicturePosition::Left;
    Cmd::SpecialEffect SpecialEffect = Cmd::SpecialEffect::None;
    CmdPicture PictureNormal;
    CmdPicture PictureOver;
    bool UseMaskColor = true;
    bool UseGreyscale = false;
    bool CheckBoxBehaviour = false;
    bool Value = false;
};
