#pragma once

#include <QRect>

#include "CmdScene.h"

// Draws the caption in one of its modes, after the special effect where the mode has
// one; returns the mode, which the control remembers.
CmdCaptionMode DrawCaption(const CmdScene &scene, CmdCaptionMode mode);
// The raised, engraved or shadow copies of the caption behind it at `rect`.
void DrawCaptionEffect(const CmdScene &scene, const QRect &rect, bool up);
