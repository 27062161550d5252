#pragma once

#include <QImage>

// Every look of `cmd` in the system and the fixed grey colour schemes: up, hovered,
// down and disabled, then focused and default where those change the look; labelled
// and enlarged twice without smoothing.
QImage renderCmdSheet();
