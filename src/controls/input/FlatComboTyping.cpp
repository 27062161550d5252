// Keys and focus of a FlatCombo: the form hears each key first, Enter moves on as Tab
// does, and what the user types into a drop-down combo completes from the list.
#include "FlatCombo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "FocusAsTab.h"
#include "platform/HostKeys.h"

namespace
{

constexpr short keyDelete = 46;

} // namespace

bool FlatCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_combo)
        return UserControl::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKeyPress(static_cast<QKeyEvent &>(*event));
    case QEvent::KeyRelease:
        handleKeyRelease(static_cast<QKeyEvent &>(*event));
        return false;
    // The combo's own list popping up neither leaves nor enters it.
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent &>(*event).reason() != Qt::PopupFocusReason)
            enterCombo1();
        return false;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent &>(*event).reason() != Qt::PopupFocusReason)
            leaveCombo1();
        return false;
    default:
        return false;
    }
}

// The key goes to the form (KeyDown, then KeyPress for a character) and then, as the form
// left it, to the combo; answers whether the event is done with.
bool FlatCombo::handleKeyPress(QKeyEvent &event)
{
    // A key that the control hands on itself, or Tab, which belongs to focus navigation.
    if (m_typing || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    short keyCode = HostKeys::keyCode(event);
    short shift = HostKeys::shiftState(event);
    emit KeyDown(keyCode, shift);
    m_backspaceDown = keyCode == HostKeys::keyBackspace;
    m_deleteDown = keyCode == keyDelete;
    // Keys that type nothing (arrows picking an item among them) leave the text uncompleted.
    const int typed = HostKeys::characterCode(event);
    if (typed < 0)
        return false;
    short keyAscii = short(typed);
    emit KeyPress(keyAscii);
    const int code = quint16(keyAscii);
    if (code == HostKeys::keyEnter) {
        moveFocusAsTab();
    } else if (code == typed) {
        passToCombo1(event);
    } else if (code != 0) {
        QKeyEvent replaced(QEvent::KeyPress,
                           code == HostKeys::keyBackspace ? Qt::Key_Backspace : Qt::Key_unknown,
                           Qt::NoModifier, QString(QChar(char16_t(code))));
        passToCombo1(replaced);
    }
    return true;
}

// Whatever the character changes in the box's text while the combo handles it was typed.
void FlatCombo::passToCombo1(QKeyEvent &event)
{
    m_typing = true;
    QCoreApplication::sendEvent(m_combo, &event);
    m_typing = false;
}

void FlatCombo::handleKeyRelease(QKeyEvent &event)
{
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.isAutoRepeat())
        return;
    short keyCode = HostKeys::keyCode(event);
    short shift = HostKeys::shiftState(event);
    emit KeyUp(keyCode, shift);
}

// Text that the form's code assigns is taken as given; typed text completes, unless the key
// deleted characters.
void FlatCombo::innerTextChanged()
{
    emit Change();
    if (m_typing && !m_completing && !m_backspaceDown && !m_deleteDown)
        complete();
}

// The box shows the first item that the typed text matches, with the completed tail
// selected so that the next keystroke replaces it; without a match nothing changes.
void FlatCombo::complete()
{
    if (!m_completion) {
        QStringList items;
        items.reserve(m_combo->count());
        for (int i = 0; i < m_combo->count(); ++i)
            items.append(m_combo->itemText(i));
        m_completion.emplace(items);
    }
    const std::optional<TypeAheadMatch> match = m_completion->complete(m_combo->currentText());
    if (!match)
        return;
    m_completing = true;
    m_combo->setEditText(match->text);
    m_combo->lineEdit()->setSelection(int(match->selectionStart), int(match->selectionLength));
    m_completing = false;
}
