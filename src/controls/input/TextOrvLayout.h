#pragma once

#include <optional>

#include <QRect>
#include <QSize>

// Where a TextOrv puts its inner box and its frame: the box 20 twips in from the top
// left and 30 twips narrower and lower than the control, the frame 20 twips larger.
struct TextOrvLayout {
    QRect text;
    QRect shape;

    // None when the control is too small to hold the box (under 30 twips).
    static std::optional<TextOrvLayout> compute(QSize controlPixels, int logicalDpi);
};
