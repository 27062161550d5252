#pragma once

#include <QImage>

// One picture of TextOrv in each of its looks: standard, flat, focused, error,
// locked and disabled, drawn by the real control.
QImage renderTextOrvStates();
