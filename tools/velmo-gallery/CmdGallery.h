#pragma once

#include <QImage>
#include <QStringList>

#include "CmdGalleryOptions.h"

// The button's own surface after it was brought into the described state: exactly
// its client area, transparent outside its window shape.
QImage renderCmd(const CmdRenderOptions &options);

// Runs `velmo-gallery cmd ...` (the arguments after `cmd`); the process's exit code.
int runCmdGallery(const QStringList &arguments);
