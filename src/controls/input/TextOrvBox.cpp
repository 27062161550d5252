#include "TextOrvBox.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>

#include "TextOrvBoxStyle.h"

namespace
{

int borderWidth(TextOrvBox::Border border)
{
    switch (border) {
    case TextOrvBox::Border::Single:
        return 1;
    case TextOrvBox::Border::Sunken:
        return 2;
    default:
        return 0;
    }
}

void fillQuad(QPainter &painter, const QColor &colour, std::initializer_list<QPointF> corners)
{
    painter.setBrush(colour);
    painter.drawConvexPolygon(QPolygonF(corners));
}

// Edges drawn bottom, right, left, top, each over the ones before. Where edges of two
// colours meet, each ends on the corner's diagonal; edges of one colour run through it.
void drawEdges(QPainter &painter, const QRect &box, int width, const QColor &topLeft,
               const QColor &bottomRight)
{
    const qreal w = width;
    const qreal mitre = topLeft == bottomRight ? 0 : w;
    const qreal left = box.left();
    const qreal top = box.top();
    const qreal right = box.left() + box.width();
    const qreal bottom = box.top() + box.height();
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing);
    fillQuad(painter, bottomRight,
             {{left + mitre, bottom - w}, {left, bottom}, {right, bottom}, {right, bottom - w}});
    fillQuad(painter, bottomRight,
             {{right - w, top + mitre}, {right - w, bottom}, {right, bottom}, {right, top}});
    fillQuad(painter, topLeft,
             {{left, top}, {left, bottom}, {left + w, bottom - mitre}, {left + w, top}});
    fillQuad(painter, topLeft,
             {{left, top}, {left, top + w}, {right - mitre, top + w}, {right, top}});
}

} // namespace

TextOrvBox::TextOrvBox(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setStyle(&TextOrvBoxStyle::shared());
    keepOutStyleSheets();
}

// Under a style sheet of a parent or of the application, Qt paints a line edit's panel in
// the sheet's way, whatever the palette. The box's own sheet then makes that panel empty,
// so the background and border painted here show as they do without a sheet. Without a
// sheet around, the box has none, as a sheet per box is costly to create and polish.
void TextOrvBox::keepOutStyleSheets()
{
    if (!styleSheet().isEmpty() || !style()->inherits("QStyleSheetStyle"))
        return;
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none;"
                                 " padding: 0px; }"));
}

void TextOrvBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        keepOutStyleSheets();
}

void TextOrvBox::setBorder(Border border)
{
    if (border == m_border)
        return;
    m_border = border;
    const int width = borderWidth(border);
    setTextMargins(width, width, width, width);
    update();
}

void TextOrvBox::setBackground(const QColor &background)
{
    if (background == m_background)
        return;
    m_background = background;
    update();
}

void TextOrvBox::setMask(const QString &mask)
{
    const QChar character = mask.isEmpty() ? QChar() : mask.front();
    setEchoMode(mask.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    if (character == m_mask)
        return;
    m_mask = character;
    // A line edit reads its mask character from its style only when told the style changed.
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(this, &styleChange);
}

void TextOrvBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter background(this);
        background.fillRect(rect(), m_background);
    }
    QLineEdit::paintEvent(event);
    // The text stays inside the margins, so the border goes on top.
    QPainter painter(this);
    switch (m_border) {
    case Border::None:
        break;
    case Border::Single:
        drawEdges(painter, rect(), 1, Qt::black, Qt::black);
        break;
    case Border::Sunken:
        drawEdges(painter, rect(), 2, QColor(0xa0, 0xa0, 0xa0), QColor(0xf0, 0xf0, 0xf0));
        break;
    }
}
