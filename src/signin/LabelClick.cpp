#include "signin/LabelClick.h"

#include <QLabel>
#include <QMouseEvent>

LabelClick::LabelClick(QLabel *label, std::function<void()> action)
    : QObject(label), m_label(label), m_action(std::move(action))
{
    label->installEventFilter(this);
}

void LabelClick::attach(QLabel *label, std::function<void()> action)
{
    new LabelClick(label, std::move(action));
}

bool LabelClick::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label)
        return false;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (type == QEvent::MouseButtonPress) {
        m_pressed = true;
        return false;
    }
    // The label that took the press also gets the release, wherever the pointer is then.
    const bool clicked = m_pressed && m_label->rect().contains(mouse->position().toPoint());
    m_pressed = false;
    if (clicked)
        m_action();
    return false;
}
