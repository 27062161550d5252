#include "HostKeys.h"

#include <QKeyEvent>

namespace HostKeys
{

short keyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return keyBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return keyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return keyEnter;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

short shiftState(const QInputEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return short((modifiers & Qt::ShiftModifier ? shiftMask : 0) |
                 (modifiers & Qt::ControlModifier ? ctrlMask : 0) |
                 (modifiers & Qt::AltModifier ? altMask : 0));
}

int characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    const QString text = event.text();
    const char32_t first = text.isEmpty() ? U'\0' : text.toUcs4().front();
    const QChar::Category category = QChar::category(first);
    // Some layouts type their formatting characters (zero-width joiners) with Ctrl+Shift.
    if (category == QChar::Other_Format)
        return text.front().unicode();
    // Ctrl, alone or with Shift, types no text: a letter gives its control code. Ctrl with
    // Alt is AltGr on many layouts and types the character of the key like any other key.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    if (key == Qt::Key_Backspace)
        return keyBackspace;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return keyEnter;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || text.isEmpty())
        return -1;
    return QChar::isPrint(first) || category == QChar::Other_PrivateUse ? text.front().unicode()
                                                                        : -1;
}

} // namespace HostKeys
