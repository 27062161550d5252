#include "InputField.h"

#include <algorithm>

#include <QKeyEvent>
#include <QLabel>

#include "TypedText.h"
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

} // namespace

InputField::InputField(QWidget *parent, const QFont &designFont, int designMaxLength,
                       const QString &accessibleName)
    : FramedInput(parent), m_text1(new QLineEdit(this)), m_lengthLimit(new EditLengthLimit(m_text1))
{
    m_text1->setValidator(m_lengthLimit);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(accessibleName);
    m_text1->setFont(designFont);
    m_text1->setFrame(false);
    watchKeysOf(m_text1);
    applyMaxLength(designMaxLength);
    setAttribute(Qt::WA_OpaquePaintEvent);
    frame().setSurfaceColour(buttonFace);
    frame().setShape(TextOrvFrame::idleShapeColour, designShapeLineWidth);
    connect(m_text1, &QLineEdit::textChanged, this, &InputField::Change);
    connect(m_text1, &QLineEdit::textChanged, this, &InputField::TextChanged);
}

void InputField::showFocusFrame()
{
    frame().setShape(TextOrvFrame::focusShapeColour, TextOrvFrame::shapeLineWidth);
    update();
}

void InputField::showIdleFrame()
{
    frame().setShape(TextOrvFrame::idleShapeColour, idleShapeLineWidth);
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

void InputField::applyErrorFlag(const QString &value)
{
    m_errorFlag = value;
    frame().setShape(value.isEmpty() ? TextOrvFrame::idleShapeColour
                                     : TextOrvFrame::errorShapeColour,
                     TextOrvFrame::shapeLineWidth);
    m_text1->setToolTip(value);
    update();
}

// A typed character goes through the form's KeyPress and the filter; a control key that
// they leave alone does what the box makes of it (Backspace, copy, paste, cut, select all).
bool InputField::keyPressed(QKeyEvent &event, short)
{
    const int typed = HostKeys::characterCode(event);
    if (typed < 0)
        return false;
    if (typed >= ' ') {
        typeText(event.text());
        return true;
    }
    const int code = typeCharacter(typed);
    if (code == typed)
        return false;
    applyCharacter(code, QString(QChar(char16_t(code))));
    return true;
}

bool InputField::innerEvent(QEvent &event)
{
    if (event.type() != QEvent::InputMethod)
        return false;
    return typeInputMethodCommit(*m_text1, static_cast<QInputMethodEvent &>(event),
                                 [this](const QString &text) { typeText(text); });
}

// Each character of a typed text, a surrogate pair as one, passes the form and the filter.
void InputField::typeText(const QString &text)
{
    for (const QString &character : typedCharacters(text)) {
        const int typed = character.front().unicode();
        const int code = typeCharacter(typed);
        applyCharacter(code, code == typed ? character : QString(QChar(char16_t(code))));
    }
}

int InputField::typeCharacter(int typed)
{
    return filterCharacter(formKeyPress(typed));
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

// The box is named as the form names the control: by its own accessible name, or by the
// caption of a label whose buddy it is.
void InputField::showEvent(QShowEvent *event)
{
    FramedInput::showEvent(event);
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
