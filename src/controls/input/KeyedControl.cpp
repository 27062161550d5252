#include "KeyedControl.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "FocusAsTab.h"
#include "platform/HostKeys.h"

namespace
{

bool isFocusNavigation(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

// Window activation and popups move the focus in and out of the inner widget without the
// user leaving it.
bool isWindowSwitch(const QEvent &event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent &>(event).reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

KeyedControl::KeyedControl(QWidget *parent) : UserControl(parent) {}

void KeyedControl::watchKeysOf(QWidget *inner)
{
    m_inner = inner;
    inner->installEventFilter(this);
    setFocusProxy(inner);
}

void KeyedControl::keyReleased(short, short) {}

bool KeyedControl::innerEvent(QEvent &)
{
    return false;
}

int KeyedControl::formKeyPress(int typed)
{
    short keyAscii = short(typed);
    emit KeyPress(keyAscii);
    const int code = quint16(keyAscii);
    if (code != HostKeys::keyEnter || !m_movesOnAtEnter)
        return code;
    moveFocusAsTab();
    return 0;
}

void KeyedControl::passOn(QEvent &event)
{
    m_passingOn = true;
    QCoreApplication::sendEvent(m_inner, &event);
    m_passingOn = false;
}

bool KeyedControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_inner)
        return UserControl::eventFilter(watched, event);
    if (m_passingOn)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto &key = static_cast<QKeyEvent &>(*event);
        if (isFocusNavigation(key))
            return false;
        short keyCode = HostKeys::keyCode(key);
        short shift = HostKeys::shiftState(key);
        emit KeyDown(keyCode, shift);
        return keyPressed(key, keyCode);
    }
    case QEvent::KeyRelease: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (isFocusNavigation(key) || key.isAutoRepeat())
            return false;
        short keyCode = HostKeys::keyCode(key);
        short shift = HostKeys::shiftState(key);
        emit KeyUp(keyCode, shift);
        keyReleased(keyCode, shift);
        return false;
    }
    case QEvent::FocusIn:
        // Activation enters a control not entered yet, such as the first one of a window
        // just shown, but not one that its window's deactivation did not leave.
        if (!m_entered || !isWindowSwitch(*event)) {
            m_entered = true;
            entered();
        }
        return false;
    case QEvent::FocusOut:
        if (m_entered && !isWindowSwitch(*event)) {
            m_entered = false;
            left();
        }
        return false;
    default:
        return innerEvent(*event);
    }
}
