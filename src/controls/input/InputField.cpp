#include "InputField.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

#include "TextOrvLayout.h"
#include "platform/HostKeys.h"

namespace
{

constexpr int codeCopy = 3;
constexpr int codePaste = 22;
constexpr int codeCut = 24;
// The box's own cap.
constexpr int unlimitedLength = 32767;
constexpr int idleShapeLineWidth = 2;
constexpr int designShapeLineWidth = 1;
constexpr quint32 highlightBackground = HostColor::rgb(255, 255, 192);
constexpr quint32 highlightText = HostColor::rgb(64, 0, 0);
constexpr quint32 white = HostColor::rgb(255, 255, 255);
constexpr quint32 black = HostColor::rgb(0, 0, 0);

// Window activation and popups move the focus in and out of the box without the user
// leaving it.
bool isWindowSwitch(const QEvent &event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent &>(event).reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

InputField::InputField(QWidget *parent, const QFont &designFont, int designMaxLength,
                       const QString &accessibleName)
    : UserControl(parent), m_text1(new QLineEdit(this)), m_lengthLimit(new EditLengthLimit(m_text1))
{
    m_text1->setValidator(m_lengthLimit);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(accessibleName);
    m_text1->setFont(designFont);
    m_text1->setFrame(false);
    m_text1->installEventFilter(this);
    applyMaxLength(designMaxLength);
    setFocusProxy(m_text1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frame.setSurfaceColour(buttonFace);
    m_frame.setShape(TextOrvFrame::idleShapeColour, designShapeLineWidth);
    connect(m_text1, &QLineEdit::textChanged, this, &InputField::Change);
}

void InputField::layoutChildren()
{
    const std::optional<TextOrvLayout> layout = TextOrvLayout::compute(size(), logicalDpiX());
    if (!layout)
        return;
    m_text1->setGeometry(layout->text);
    m_frame.setShapeRect(layout->shape);
    update();
}

void InputField::showFocusFrame()
{
    m_frame.setShape(TextOrvFrame::focusShapeColour, TextOrvFrame::shapeLineWidth);
    update();
}

void InputField::showIdleFrame()
{
    m_frame.setShape(TextOrvFrame::idleShapeColour, idleShapeLineWidth);
    update();
}

void InputField::highlightField()
{
    applyBackground(highlightBackground);
    applyForeground(highlightText);
    m_text1->selectAll();
}

void InputField::unhighlightField()
{
    applyBackground(white);
    applyFontBold(false);
    applyForeground(black);
}

void InputField::applyText(const QString &value)
{
    m_lengthLimit->write(value);
}

void InputField::applyInnerEnabled(bool value)
{
    m_text1->setEnabled(value);
}

void InputField::applyMaxLength(int value)
{
    m_maxLength = std::clamp(value, 0, unlimitedLength);
    m_lengthLimit->setLimit(m_maxLength);
}

void InputField::applyLocked(bool value)
{
    m_text1->setReadOnly(value);
}

void InputField::applyBackground(quint32 colour)
{
    m_background = colour;
    setInnerColour(QPalette::Base, colour);
}

void InputField::applyForeground(quint32 colour)
{
    m_foreground = colour;
    setInnerColour(QPalette::Text, colour);
}

void InputField::applyFontName(const QString &value)
{
    changeFont([&value](QFont &font) { font.setFamily(value); });
}

void InputField::applyFontSize(float value)
{
    if (value > 0)
        changeFont([value](QFont &font) { font.setPointSizeF(value); });
}

void InputField::applyFontBold(bool value)
{
    changeFont([value](QFont &font) { font.setBold(value); });
}

void InputField::applyFontItalic(bool value)
{
    changeFont([value](QFont &font) { font.setItalic(value); });
}

void InputField::applyErrorFlag(const QString &value)
{
    m_errorFlag = value;
    m_frame.setShape(value.isEmpty() ? TextOrvFrame::idleShapeColour
                                     : TextOrvFrame::errorShapeColour,
                     TextOrvFrame::shapeLineWidth);
    m_text1->setToolTip(value);
    update();
}

bool InputField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_text1)
        return UserControl::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKeyPress(static_cast<QKeyEvent &>(*event));
    case QEvent::KeyRelease:
        handleKeyRelease(static_cast<QKeyEvent &>(*event));
        return false;
    case QEvent::InputMethod:
        return handleInputMethod(static_cast<QInputMethodEvent &>(*event));
    case QEvent::FocusIn:
        // Activation enters a box not entered yet, such as the first box of a window just
        // shown, but not one that its window's deactivation did not leave.
        if (!m_entered || !isWindowSwitch(*event)) {
            m_entered = true;
            enterField();
        }
        return false;
    case QEvent::FocusOut:
        if (m_entered && !isWindowSwitch(*event)) {
            m_entered = false;
            leaveField();
        }
        return false;
    default:
        return false;
    }
}

bool InputField::handleKeyPress(QKeyEvent &event)
{
    // Tab belongs to focus navigation, as it does in the host; the box never sees it.
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        return false;
    short keyCode = HostKeys::keyCode(event);
    short shift = HostKeys::shiftState(event);
    emit KeyDown(keyCode, shift);
    const int typed = HostKeys::characterCode(event);
    if (typed < 0)
        return false;
    if (typed >= ' ') {
        typeText(event.text());
        return true;
    }
    // A control key the form and the filter leave alone does what the box makes of it
    // (Backspace, copy, paste, cut, select all).
    const int code = typeCharacter(typed);
    if (code == typed)
        return false;
    applyCharacter(code, QString(QChar(char16_t(code))));
    return true;
}

void InputField::handleKeyRelease(QKeyEvent &event)
{
    if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.isAutoRepeat())
        return;
    short keyCode = HostKeys::keyCode(event);
    short shift = HostKeys::shiftState(event);
    emit KeyUp(keyCode, shift);
}

// What an input method commits (dead keys, composed characters) is typed like keys; what
// it is still composing goes to the box as it came.
bool InputField::handleInputMethod(QInputMethodEvent &event)
{
    if (event.commitString().isEmpty())
        return false;
    if (event.replacementLength() > 0)
        m_text1->setSelection(m_text1->cursorPosition() + event.replacementStart(),
                              event.replacementLength());
    typeText(event.commitString());
    QInputMethodEvent composing(event.preeditString(), event.attributes());
    QCoreApplication::sendEvent(m_text1, &composing);
    return true;
}

// Each character of a typed text, a surrogate pair as one, passes the form and the filter.
void InputField::typeText(const QString &text)
{
    for (const char32_t point : text.toUcs4()) {
        const QString character = QString::fromUcs4(&point, 1);
        const int typed = character.front().unicode();
        const int code = typeCharacter(typed);
        applyCharacter(code, code == typed ? character : QString(QChar(char16_t(code))));
    }
}

int InputField::typeCharacter(int typed)
{
    short keyAscii = short(typed);
    emit KeyPress(keyAscii);
    return filterCharacter(quint16(keyAscii));
}

// Carries out the code left by the form and the filter; `character` is what it types.
void InputField::applyCharacter(int code, const QString &character)
{
    switch (code) {
    case codeCopy:
        m_text1->copy();
        return;
    case codePaste:
        m_text1->paste();
        return;
    case codeCut:
        m_text1->cut();
        return;
    default:
        break;
    }
    if (m_text1->isReadOnly())
        return;
    if (code == HostKeys::keyBackspace)
        m_text1->backspace();
    else if (code >= ' ')
        m_text1->insert(character);
}

void InputField::setInnerColour(QPalette::ColorRole role, quint32 colour)
{
    QPalette palette = m_text1->palette();
    const QColor color = HostColor::toColor(colour);
    // A disabled box keeps the greyed text of the desktop.
    if (role == QPalette::Text) {
        palette.setColor(QPalette::Active, role, color);
        palette.setColor(QPalette::Inactive, role, color);
    } else {
        palette.setColor(role, color);
    }
    m_text1->setPalette(palette);
}

template <typename Edit> void InputField::changeFont(Edit edit)
{
    QFont font = m_text1->font();
    edit(font);
    m_text1->setFont(font);
}

void InputField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_frame.paint(painter, rect(), logicalDpiX());
}

void InputField::resizeEvent(QResizeEvent *event)
{
    UserControl::resizeEvent(event);
    layoutChildren();
}

// The box is named as the form names the control: by its own accessible name, or by the
// caption of a label whose buddy it is.
void InputField::showEvent(QShowEvent *event)
{
    UserControl::showEvent(event);
    const QString name = accessibleName().isEmpty() ? labelFromForm() : accessibleName();
    if (!name.isEmpty())
        m_text1->setAccessibleName(name);
}

QString InputField::labelFromForm() const
{
    if (!parentWidget())
        return QString();
    const QList<QLabel *> labels =
        parentWidget()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QLabel *label : labels)
        if (label->buddy() == this)
            return label->text().remove(QLatin1Char('&')).trimmed();
    return QString();
}
