// How text enters a TextOrv: keys, input-method commits and pastes all run through the
// form's KeyPress and the filter of the text type, and typing stops at MaxLength.
#include "TextOrv.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>

#include "TextOrvKeyFilter.h"
#include "TypedText.h"
#include "platform/HostKeys.h"

namespace
{

constexpr short keyCodeV = 'V';
constexpr int codeCopy = 3;
constexpr int codePaste = 22;
constexpr int codeCut = 24;

QString characterOf(int code)
{
    return QString(QChar(char16_t(code)));
}

} // namespace

bool TextOrv::keyPressed(QKeyEvent &event, short)
{
    const int typed = HostKeys::characterCode(event);
    if (typed < 0) {
        if (!event.matches(QKeySequence::Paste))
            return false;
        pasteAsCtrlV(QClipboard::Clipboard);
        return true;
    }
    if (typed >= ' ') {
        typeText(event.text());
        return true;
    }
    const int code = filterTyped(typed);
    // The box runs its own control keys (Backspace, copy, cut, select all, undo); a paste
    // comes here, as it must stay within MaxLength.
    if (code == typed && code != codePaste)
        return false;
    applyCharacter(code, characterOf(code));
    return true;
}

void TextOrv::typeText(const QString &text)
{
    for (const QString &character : typedCharacters(text)) {
        const int typed = character.front().unicode();
        const int code = filterTyped(typed);
        applyCharacter(code, code == typed ? character : characterOf(code));
    }
}

// The form hears the character first and may change it; Enter then moves on as Tab does,
// and the filter of the text type decides on the rest. Answers the code left to apply.
int TextOrv::filterTyped(int typed)
{
    const int code = formKeyPress(typed);
    return TextOrvKeyFilter::filter(
        code, {m_rules.textType, m_text1->text(),
               int(m_text1->selectionStart() >= 0 ? m_text1->selectionStart()
                                                  : m_text1->cursorPosition()),
               m_rules.textLimit});
}

// Ctrl+V's release normalises what it pasted.
void TextOrv::keyReleased(short keyCode, short shift)
{
    if (keyCode == keyCodeV && shift == HostKeys::ctrlMask)
        normalisePaste();
}

void TextOrv::normalisePaste()
{
    normaliseText(TextOrvNormaliser::Occasion::Paste);
    m_text1->setCursorPosition(int(m_text1->text().size()));
}

// Shift+Insert, the context menu and the middle button paste as Ctrl+V does: the form
// hears Ctrl+V's code and the pasted text is normalised at once, as Ctrl+V's release does.
void TextOrv::pasteAsCtrlV(QClipboard::Mode mode)
{
    const int code = filterTyped(codePaste);
    if (code != codePaste) {
        applyCharacter(code, characterOf(code));
        return;
    }
    if (Locked())
        return;
    insertTyped(QGuiApplication::clipboard()->text(mode));
    normalisePaste();
}

void TextOrv::showContextMenu(const QContextMenuEvent &event)
{
    QMenu *menu = m_text1->createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste"))
            continue;
        action->disconnect(m_text1);
        connect(action, &QAction::triggered, this, [this] { pasteAsCtrlV(QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

// Carries out the code left by the form and the filter; `character` is what it types.
// A locked box can only be copied from, whatever code the form made.
void TextOrv::applyCharacter(int code, const QString &character)
{
    if (code == codeCopy) {
        m_text1->copy();
        return;
    }
    if (code == 0 || Locked())
        return;
    switch (code) {
    case HostKeys::keyBackspace:
        m_text1->backspace();
        return;
    case codePaste:
        insertTyped(QGuiApplication::clipboard()->text());
        return;
    case codeCut:
        m_text1->cut();
        return;
    default:
        if (code >= ' ')
            insertTyped(character);
    }
}

// Typed and pasted text stops at MaxLength; text that the control writes itself (the
// normalised text, an assigned or loaded text) is never cut.
void TextOrv::insertTyped(const QString &text)
{
    QString inserted = text;
    if (m_maxLength > 0) {
        const qsizetype kept = m_text1->text().size() - m_text1->selectionLength();
        inserted.truncate(std::max<qsizetype>(0, m_maxLength - kept));
    }
    if (!inserted.isEmpty())
        m_text1->insert(inserted);
}
