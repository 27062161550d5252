#pragma once

#include "CmdScene.h"

class CmdPicture;

// Which pictures a `cmd` draws after its look, and how.
enum class CmdPictureMode : int {
    Up = 0,
    Down = 1,
    Disabled = 2,
};

// The picture of the state, with its special effect, in the picture box; a caption
// over a picture behind it is drawn again in `captionMode`. Nothing without a picture.
void DrawPictures(const CmdScene &scene, CmdPictureMode mode, CmdCaptionMode captionMode);
// The raised, engraved or shadow silhouettes behind a picture; `offset` −1 marks the
// hovered selection look.
void DrawPictureEffect(const CmdScene &scene, int offset, const CmdPicture &picture);
