#include "FramedInput.h"

#include <QPainter>

#include "TextOrvLayout.h"

FramedInput::FramedInput(QWidget *parent) : KeyedControl(parent) {}

void FramedInput::layoutChildren()
{
    const std::optional<TextOrvLayout> layout = TextOrvLayout::compute(size(), logicalDpiX());
    if (!layout)
        return;
    innerWidget()->setGeometry(layout->text);
    m_frame.setShapeRect(layout->shape);
    update();
}

void FramedInput::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_frame.paint(painter, rect(), logicalDpiX());
}

void FramedInput::resizeEvent(QResizeEvent *event)
{
    KeyedControl::resizeEvent(event);
    layoutChildren();
}
