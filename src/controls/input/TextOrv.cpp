#include "TextOrv.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "HostMouse.h"
#include "TextOrvLimit.h"
#include "TypedText.h"
#include "platform/HostColor.h"
#include "platform/ModalMessage.h"
#include "platform/TextRules.h"

namespace
{

constexpr quint32 white = HostColor::rgb(255, 255, 255);

} // namespace

TextOrv::TextOrv(QWidget *parent)
    : FramedInput(parent), m_text1(new TextOrvBox(this)), m_innerBackground(HostColor::window)
{
    m_rules.textLimit = TextOrvLimit::defaultLimit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    QFont designFont(QStringLiteral("Arial"));
    designFont.setPointSizeF(8.25);
    m_text1->setFont(designFont);
    watchKeysOf(m_text1);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_text1, &QLineEdit::textChanged, this, &TextOrv::Change);
    connect(m_text1, &QLineEdit::textChanged, this, &TextOrv::TextChanged);
    setInnerLook(OrvInput::Appearance::Flat, false);
    layoutChildren();
}

QString TextOrv::Text() const
{
    return m_text1->text();
}

bool TextOrv::Enabled() const
{
    return m_text1->isEnabledTo(this);
}

bool TextOrv::Locked() const
{
    return m_text1->isReadOnly();
}

QString TextOrv::FontName() const
{
    return m_text1->font().family();
}

float TextOrv::FontSize() const
{
    return float(m_text1->font().pointSizeF());
}

qint32 TextOrv::hwnd() const
{
    return qint32(m_text1->winId());
}

QString TextOrv::Values() const
{
    QString escaped = m_text1->text();
    escaped.replace(QLatin1Char('\''), QStringLiteral("''"));
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return escaped;
}

QSize TextOrv::sizeHint() const
{
    return m_text1->sizeHint() + QSize(2, 2);
}

// The box's other events: input-method commits are typed, the mouse reaches the form, and
// every paste runs through the form and the filter.
bool TextOrv::innerEvent(QEvent &event)
{
    switch (event.type()) {
    case QEvent::InputMethod:
        return typeInputMethodCommit(*m_text1, static_cast<QInputMethodEvent &>(event),
                                     [this](const QString &text) { typeText(text); });
    case QEvent::MouseButtonPress:
        handleMousePress(static_cast<QMouseEvent &>(event));
        return false;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection where the system has one.
        if (static_cast<QMouseEvent &>(event).button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            m_text1->deselect();
            pasteAsCtrlV(QClipboard::Selection);
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent &>(event));
        return true;
    // Dropped text would skip the filter: the box takes no drops.
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        event.ignore();
        return true;
    default:
        return false;
    }
}

void TextOrv::handleMousePress(QMouseEvent &event)
{
    HostMouse mouse = HostMouse::of(event, *this);
    emit MouseDown(mouse.button, mouse.shift, mouse.x, mouse.y);
}

void TextOrv::entered()
{
    frame().setShape(TextOrvFrame::focusShapeColour, TextOrvFrame::shapeLineWidth);
    if ((m_rules.textType == 1 || m_rules.textType == 2) &&
        TextRules::numericValue(m_text1->text()) == 0)
        m_text1->clear();
    if (m_style != OrvInput::Style::Standard) {
        recolourFlat(m_borderColorFocus);
        m_text1->selectAll();
    } else if (!Locked()) {
        applyFontBold(true);
        m_text1->selectAll();
    }
    update();
}

void TextOrv::left()
{
    frame().setShape(TextOrvFrame::idleShapeColour, TextOrvFrame::shapeLineWidth);
    update();
    normaliseText(TextOrvNormaliser::Occasion::LeavingBox);
    if (m_style != OrvInput::Style::Standard) {
        recolourFlat(m_borderColor);
    } else if (!Locked()) {
        setInnerBackground(white);
        applyFontBold(false);
    }
}

void TextOrv::normaliseText(TextOrvNormaliser::Occasion occasion)
{
    const TextOrvNormaliser::Result result =
        TextOrvNormaliser::normalise(occasion, m_rules, m_text1->text());
    if (result.outOfRange)
        ModalMessage::show(this, TextOrvNormaliser::rangeMessage(m_rules.textLimit),
                           ModalMessage::Icon::Exclamation, ModalMessage::libraryTitle());
    m_text1->setText(result.text);
}

void TextOrv::paintFlat(quint32 surface)
{
    setInnerLook(OrvInput::Appearance::Flat, false);
    frame().paintFlat(surface, m_borderColor);
    update();
}

void TextOrv::recolourFlat(quint32 colour)
{
    frame().recolourFlat(colour);
    update();
}

void TextOrv::setInnerLook(OrvInput::Appearance appearance, bool border)
{
    m_innerAppearance = appearance;
    m_innerBorder = border;
    if (!border)
        m_text1->setBorder(TextOrvBox::Border::None);
    else if (appearance == OrvInput::Appearance::Flat)
        m_text1->setBorder(TextOrvBox::Border::Single);
    else
        m_text1->setBorder(TextOrvBox::Border::Sunken);
    applyInnerColours();
}

void TextOrv::setInnerBackground(quint32 colour)
{
    m_innerBackground = colour;
    applyInnerColours();
}

void TextOrv::setInnerAlignment(Orv::Alignment alignment)
{
    m_alignment = alignment;
    m_text1->setAlignment(Orv::horizontalAlignment(alignment) | Qt::AlignVCenter);
}

// The box's own maximum length would also cut the text that the control writes itself,
// so MaxLength is kept here and applied where typing inserts text.
void TextOrv::setInnerMaxLength(int maxLength)
{
    m_maxLength = maxLength;
}

void TextOrv::setInnerPasswordChar(const QString &mask)
{
    m_passwordChar = mask;
    m_text1->setMask(mask);
    applyInnerColours();
}

// The box's background and text colour.
void TextOrv::applyInnerColours()
{
    QPalette colours;
    // A locked box is disabled only to keep the focus out; its text stays readable.
    if (m_text1->isEnabledTo(this)) {
        const QColor text = QApplication::palette().color(QPalette::Active, QPalette::Text);
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            colours.setColor(group, QPalette::Text, text);
    }
    m_text1->setPalette(colours);
    m_text1->setBackground(HostColor::toColor(m_innerBackground));
}
