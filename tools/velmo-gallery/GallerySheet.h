#pragma once

#include <QImage>

// One page of every state of the gallery registry, a row per state under its control's name,
// on the grey of a form so that white details (the engraved label) show.
QImage renderGallerySheet();
