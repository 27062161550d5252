#pragma once

#include <QRegion>

#include "CmdEnums.h"

// The window shape of a `cmd` of the given type and size: the full rectangle with
// corner pixels cut away, or an ellipse.
QRegion BuildRegion(Cmd::ButtonType type, int width, int height);
