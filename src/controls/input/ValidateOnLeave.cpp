#include "controls/input/ValidateOnLeave.h"

#include <QApplication>
#include <QFocusEvent>

namespace
{

bool isUserInput(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return event->spontaneous();
    default:
        return false;
    }
}

} // namespace

ValidateOnLeave::ValidateOnLeave(QWidget *input, Handler handler)
    : QObject(input), m_input(input), m_handler(std::move(handler))
{
    input->installEventFilter(this);
}

void ValidateOnLeave::attach(QWidget *input, Handler handler)
{
    new ValidateOnLeave(input, std::move(handler));
}

bool ValidateOnLeave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_input && event->type() == QEvent::FocusOut)
        focusLeft(event);
    else if (m_pending && isUserInput(event))
        return validate();
    return false;
}

void ValidateOnLeave::focusLeft(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    if (m_pending || s_restoringFocus || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason)
        return;
    // Not raised inside the focus change itself, where a message box would interrupt
    // it, but right after it: by the event loop, or first thing when the press or key
    // that moved the focus goes on to the other control.
    m_pending = true;
    qApp->installEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this] { validate(); }, Qt::QueuedConnection);
}

bool ValidateOnLeave::validate()
{
    if (!m_pending)
        return false;
    m_pending = false;
    qApp->removeEventFilter(this);
    if (!m_input || !m_input->isVisible() || QApplication::focusWidget() == m_input)
        return false;
    bool cancel = false;
    m_handler(cancel);
    if (!cancel || !m_input || !m_input->isVisible())
        return false;
    s_restoringFocus = true;
    m_input->setFocus(Qt::OtherFocusReason);
    s_restoringFocus = false;
    return true;
}
