// The mouse, keyboard, hover, access key and pointer of `cmd`: what moves it between its
// up, hovered and down looks, and the events it raises to its form, in their order.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

#include "CmdAccessKey.h"
#include "cmd.h"
#include "platform/HostKeys.h"

namespace
{

constexpr short leftButton = 1;
constexpr short rightButton = 2;
constexpr short middleButton = 4;
constexpr short keySpace = 32;

short hostButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return leftButton;
    case Qt::RightButton:
        return rightButton;
    case Qt::MiddleButton:
        return middleButton;
    default:
        return 0;
    }
}

short hostButtons(Qt::MouseButtons buttons)
{
    return short((buttons & Qt::LeftButton ? leftButton : 0) |
                 (buttons & Qt::RightButton ? rightButton : 0) |
                 (buttons & Qt::MiddleButton ? middleButton : 0));
}

short hostShift(Qt::KeyboardModifiers modifiers)
{
    return short((modifiers & Qt::ShiftModifier ? HostKeys::shiftMask : 0) |
                 (modifiers & Qt::ControlModifier ? HostKeys::ctrlMask : 0) |
                 (modifiers & Qt::AltModifier ? HostKeys::altMask : 0));
}

// The system pointers a form names by number; 0 is the form's own.
Qt::CursorShape pointerShape(short pointer)
{
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 5:
    case 15:
        return Qt::SizeAllCursor;
    case 6:
        return Qt::SizeBDiagCursor;
    case 7:
        return Qt::SizeVerCursor;
    case 8:
        return Qt::SizeFDiagCursor;
    case 9:
        return Qt::SizeHorCursor;
    case 10:
        return Qt::UpArrowCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 14:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

constexpr short arrowPointer = 1;
constexpr short customPointer = 99;

QPixmap handPixmap()
{
    return QPixmap(QStringLiteral(":/velmo/cursors/hand.png"));
}

QCursor handCursor()
{
    // Hot spot at the tip of the pointing finger.
    return QCursor(handPixmap(), 5, 1);
}

} // namespace

void cmd::setPointerCheck(std::function<bool(const cmd &)> check)
{
    m_pointerCheck = std::move(check);
}

bool cmd::IsMouseOver() const
{
    return m_pointerCheck(*this);
}

void cmd::pressButton(short button, short shift, float x, float y)
{
    emit MouseDown(button, shift, x, y);
    m_lastButton = button;
    if (button != rightButton)
        Redraw(Cmd::DrawState::Down, false);
}

void cmd::clickButton()
{
    if (m_lastButton != leftButton || !isEnabled())
        return;
    raiseClick(true);
}

void cmd::raiseClick(bool force)
{
    // A toggle changes before its form hears of the click.
    if (m_properties.CheckBoxBehaviour)
        letValue(!m_properties.Value);
    Redraw(Cmd::DrawState::Up, force);
    repaint();
    emit Click();
}

void cmd::checkHover()
{
    if (IsMouseOver())
        return;
    m_overTimer.stop();
    m_isOver = false;
    Redraw(Cmd::DrawState::Up, true);
    emit MouseOut();
}

void cmd::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    pressButton(hostButton(event->button()), hostShift(event->modifiers()), float(at.x()),
                float(at.y()));
}

void cmd::mouseMoveEvent(QMouseEvent *event)
{
    short button = hostButtons(event->buttons());
    short shift = hostShift(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseMove(button, shift, x, y);
    if (button != 0 && button != leftButton)
        return;
    if (!IsMouseOver()) {
        // Dragged out with the button held: up until it comes back.
        Redraw(Cmd::DrawState::Up, false);
        return;
    }
    if (button == 0 && !m_isOver) {
        m_overTimer.start();
        m_isOver = true;
        Redraw(Cmd::DrawState::Up, true);
        emit MouseOver();
    } else if (button == leftButton) {
        // Dragged back over the pressed button: down again, and the next plain move
        // starts the hover anew.
        m_isOver = true;
        Redraw(Cmd::DrawState::Down, false);
        m_isOver = false;
    }
}

void cmd::mouseReleaseEvent(QMouseEvent *event)
{
    short button = hostButton(event->button());
    short shift = hostShift(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseUp(button, shift, x, y);
    if (button != rightButton)
        Redraw(Cmd::DrawState::Up, false);
    // A click is a press and a release on the button; the release that ends a double
    // click is none.
    const bool doubleClick = m_doubleClicked;
    m_doubleClicked = false;
    if (!doubleClick && m_region.contains(event->position().toPoint()))
        clickButton();
}

void cmd::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_doubleClicked = true;
    // Only the left button's double click is special; for the others it is a plain press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    if (m_lastButton != leftButton)
        return;
    // The second press shows down too; the implicit grab of the press delivers its
    // release here.
    pressButton(leftButton, 0, 0, 0);
}

void cmd::keyPressEvent(QKeyEvent *event)
{
    short code = HostKeys::keyCode(*event);
    short shift = HostKeys::shiftState(*event);
    emit KeyDown(code, shift);
    m_lastKey = code;
    switch (code) {
    case keySpace:
        Redraw(Cmd::DrawState::Down, false);
        break;
    case 37: // left
    case 38: // up
        focusNextPrevChild(false);
        break;
    case 39: // right
    case 40: // down
        focusNextPrevChild(true);
        break;
    default:
        break;
    }
    const int typed = HostKeys::characterCode(*event);
    if (typed >= 0) {
        short ascii = short(typed);
        emit KeyPress(ascii);
    }
}

void cmd::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats its press, not its release.
    if (event->isAutoRepeat())
        return;
    short code = HostKeys::keyCode(*event);
    short shift = HostKeys::shiftState(*event);
    emit KeyUp(code, shift);
    if (m_lastKey == keySpace && code == keySpace)
        raiseClick(false);
}

void cmd::SetAccessKey()
{
    m_accessKey = CmdAccessKey(m_properties.Caption);
    delete m_accessShortcut;
    m_accessShortcut = nullptr;
    if (m_accessKey.isNull())
        return;
    m_accessShortcut =
        new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier,
                                                   Qt::Key(m_accessKey.toUpper().unicode()))),
                      this);
    m_accessShortcut->setContext(Qt::WindowShortcut);
    connect(m_accessShortcut, &QShortcut::activated, this, [this] {
        m_lastButton = leftButton;
        clickButton();
    });
    // Two buttons with one key: the first press goes to either, as with a plain press.
    connect(m_accessShortcut, &QShortcut::activatedAmbiguously, m_accessShortcut,
            &QShortcut::activated);
}

void cmd::showPointer()
{
    const short pointer = m_properties.MousePointer;
    if (pointer == 0)
        unsetCursor();
    else if (pointer == customPointer && !m_properties.MouseIcon.isNull())
        setCursor(QCursor(m_properties.MouseIcon.pixmap()));
    else
        setCursor(pointerShape(pointer));
}

void cmd::setPointer(short pointer, const CmdPicture &icon)
{
    const bool pointerChanged = pointer != m_properties.MousePointer;
    const bool iconChanged = !(icon == m_properties.MouseIcon);
    m_properties.MousePointer = pointer;
    m_properties.MouseIcon = icon;
    showPointer();
    if (pointerChanged)
        emit MousePointerChanged();
    if (iconChanged)
        emit MouseIconChanged();
}

void cmd::applyHandPointer(bool value)
{
    m_properties.HandPointer = value;
    // The hand is a custom pointer whose icon is the library's hand; without it, the arrow.
    if (!value) {
        setPointer(arrowPointer, CmdPicture());
        return;
    }
    const QPixmap hand = handPixmap();
    setPointer(customPointer, CmdPicture::icon(QIcon(hand), hand.size()));
    // The icon alone would point with its centre.
    setCursor(handCursor());
}

void cmd::loadHandPointer(bool value)
{
    // A stored hand replaces the pointer read before it; without one that pointer stays.
    if (value)
        applyHandPointer(true);
    else
        m_properties.HandPointer = false;
}
