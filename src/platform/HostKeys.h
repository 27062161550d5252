#pragma once

class QInputEvent;
class QKeyEvent;

// Keys as the host's key events name them: key codes, the Shift/Ctrl/Alt mask,
// and the character code a key press types.
namespace HostKeys
{

constexpr short shiftMask = 1;
constexpr short ctrlMask = 2;
constexpr short altMask = 4;

constexpr short keyEnter = 13;
constexpr short keyBackspace = 8;
constexpr short keyTab = 9;

short keyCode(const QKeyEvent &event);
// The Shift/Ctrl/Alt mask of a key or mouse event.
short shiftState(const QInputEvent &event);

// The character code the press types: control codes for Ctrl with a letter, 8 for
// Backspace, 13 for Enter, the first UTF-16 unit of the text of any other key that types
// text (AltGr reported as Ctrl+Alt included); -1 when the key types nothing (arrows, Tab,
// modifiers, Ctrl with a key that is no letter).
int characterCode(const QKeyEvent &event);

} // namespace HostKeys
