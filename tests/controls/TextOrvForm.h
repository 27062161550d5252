#pragma once

#include "ControlForm.h"
#include "controls/input/TextOrv.h"

// A form holding one TextOrv ("Txt").
struct TextOrvForm : ControlForm<TextOrv> {
    TextOrv *const txt;

    TextOrvForm() : ControlForm<TextOrv>("Txt", QSize(120, 24)), txt(control) {}
};
