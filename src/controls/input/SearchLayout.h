#pragma once

#include <optional>

#include <QRect>
#include <QSize>

// Where a Search puts its text box and its picture: the picture 100 twips in from the right
// and centred vertically, the box from 100 twips in from the left up to the picture, its top
// level with the picture's.
struct SearchLayout {
    QRect text;
    QRect image;

    // None when the control is narrower than the picture and the two gaps.
    static std::optional<SearchLayout> compute(QSize controlPixels, QSize imagePixels,
                                               int textHeightPixels, int logicalDpi);
};
