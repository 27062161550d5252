#include "FramedInput.h"

#include <QPainter>

#include "TextOrvLayout.h"
#include "controls/core/WidgetFont.h"

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

void FramedInput::applyFontName(const QString &value)
{
    editFont(*innerWidget(), [&value](QFont &font) { font.setFamily(value); });
}

void FramedInput::applyFontSize(float value)
{
    if (value > 0)
        editFont(*innerWidget(), [value](QFont &font) { font.setPointSizeF(value); });
}

void FramedInput::applyFontBold(bool value)
{
    editFont(*innerWidget(), [value](QFont &font) { font.setBold(value); });
}

void FramedInput::applyFontItalic(bool value)
{
    editFont(*innerWidget(), [value](QFont &font) { font.setItalic(value); });
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
