#pragma once

// Enter in the host's input controls moves on as Tab does: a Tab keystroke goes to
// whichever widget has the focus, so the usual focus chain decides where it lands.
void moveFocusAsTab();
