#include "controls/input/ValidateOnLeave.h"

#include <QApplication>
#include <QFocusEvent>

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
    if (watched == m_input && event->type() == QEvent::FocusOut && !s_restoringFocus) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Deferred: a message box shown inside a focus change would interrupt the
        // mouse press that caused it.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QMetaObject::invokeMethod(this, &ValidateOnLeave::validate, Qt::QueuedConnection);
    }
    return false;
}

void ValidateOnLeave::validate()
{
    QWidget *destination = QApplication::focusWidget();
    if (!m_input || !m_input->isVisible() || destination == m_input)
        return;
    if (destination && destination->property("CausesValidation") == QVariant(false))
        return;
    bool cancel = false;
    m_handler(cancel);
    if (cancel && m_input && m_input->isVisible()) {
        s_restoringFocus = true;
        m_input->setFocus(Qt::OtherFocusReason);
        s_restoringFocus = false;
    }
}
