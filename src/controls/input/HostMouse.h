#pragma once

class QMouseEvent;
class QWidget;

// A mouse event as the form's MouseDown, MouseMove and MouseUp take it, by reference.
struct HostMouse {
    // Left 1, right 2, middle 4: the button pressed or released, or those held in a move.
    short button;
    // The Shift/Ctrl/Alt mask.
    short shift;
    // The position in twips at the screen resolution of `control`.
    float x;
    float y;

    static HostMouse of(const QMouseEvent &event, const QWidget &control);
};
