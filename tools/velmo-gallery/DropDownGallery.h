#pragma once

#include <QImage>

// A drop-down button with a few entries and its list open, the list's window placed
// under the button at the left edge the screen gives it.
QImage renderOpenDropDown();
