#pragma once

#include <QImage>

struct GalleryState;

// A form's grey, so that white details (the engraved label) show.
inline constexpr QRgb galleryFormGrey = 0xffececec;

// One state of the registry rendered on its own form: the control is set up, shown in an
// active window and, for a focused state, given the focus, then grabbed at its own size.
// The sheet and the pixel tests both see a state through this.
QImage renderGalleryState(const GalleryState &state);
