#pragma once

#include <optional>

#include "CmdScene.h"

enum class CmdLookState {
    Up,
    Down,
    Disabled,
};

// Draws the look of the scene's button type over the face fill, in the up (hovered
// when the scene says so), down or disabled state, with the focus mark where the look
// has one. Returns the caption mode used; none for the looks without a caption.
std::optional<CmdCaptionMode> DrawLook(const CmdScene &scene, CmdLookState state);
