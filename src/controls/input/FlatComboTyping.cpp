// Keys of a FlatCombo: the form hears each key first, Enter moves on as Tab
// does, and what the user types into a drop-down combo completes from the list.
#include "FlatCombo.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/HostKeys.h"

namespace
{

constexpr short keyDelete = 46;

} // namespace

// After the form's KeyDown, a character goes to the form's KeyPress and then, as the form
// left it, to the combo, which handles the key as passed on.
bool FlatCombo::keyPressed(QKeyEvent &event, short keyCode)
{
    m_backspaceDown = keyCode == HostKeys::keyBackspace;
    m_deleteDown = keyCode == keyDelete;
    // Keys that type nothing (arrows picking an item among them) leave the text uncompleted.
    const int typed = HostKeys::characterCode(event);
    if (typed < 0)
        return false;
    const int code = formKeyPress(typed);
    if (code == typed) {
        passOn(event);
    } else if (code != 0) {
        QKeyEvent replaced(QEvent::KeyPress,
                           code == HostKeys::keyBackspace ? Qt::Key_Backspace : Qt::Key_unknown,
                           Qt::NoModifier, QString(QChar(char16_t(code))));
        passOn(replaced);
    }
    return true;
}

// Typed text (a key the control passed on) and text that the form's code assigns or loads
// complete, unless the key pressed last deleted characters. An item picked (arrows, the
// drop-down, listIndex) is shown as it is.
void FlatCombo::innerTextChanged()
{
    emit Change();
    if ((passingOn() || m_assigningText) && !m_completing && !m_backspaceDown && !m_deleteDown)
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
