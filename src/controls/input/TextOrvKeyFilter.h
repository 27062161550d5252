#pragma once

#include <QString>

// What the keystroke filter of a TextOrv sees of the box.
struct TextOrvKeyContext {
    int textType = 0;
    QString text;
    int selectionStart = 0;
    QString textLimit;
};

namespace TextOrvKeyFilter
{

// The character code that a typed character leaves after the filter of its text
// type: the code itself when accepted, 0 when refused. Enter (13) is the caller's
// business and never reaches the filter.
int filter(int keyAscii, const TextOrvKeyContext &box);

} // namespace TextOrvKeyFilter
