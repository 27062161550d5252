#include "signin/ActionButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include "signin/SignInTheme.h"

namespace
{

// Room around the caption: 18 pixels left and right, 6 above and below.
const QMargins padding(18, 6, 18, 6);
constexpr int ringWidth = 2;
constexpr int cornerRadius = 4;
const QColor disabledBackground(0xd8, 0xd8, 0xd8);
const QColor disabledText(0x80, 0x80, 0x80);

} // namespace

ActionButton::ActionButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
}

void ActionButton::setColour(const QColor &background)
{
    if (background == m_background)
        return;
    const bool first = !coloured();
    m_background = background;
    if (first) {
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setAttribute(Qt::WA_Hover);
        updateGeometry();
    }
    update();
}

QSize ActionButton::sizeHint() const
{
    if (!coloured())
        return QPushButton::sizeHint();
    ensurePolished();
    return fontMetrics().size(Qt::TextShowMnemonic, text()).grownBy(padding);
}

QSize ActionButton::minimumSizeHint() const
{
    return coloured() ? sizeHint() : QPushButton::minimumSizeHint();
}

void ActionButton::paintEvent(QPaintEvent *event)
{
    if (!coloured())
        return QPushButton::paintEvent(event);
    QPainter painter(this);
    const bool enabled = isEnabled();
    const bool ring = enabled && hasFocus();
    paintBackground(painter, ring);
    QRect caption = rect().marginsRemoved(padding);
    if (ring) {
        paintFocusRing(painter);
        caption = caption.marginsRemoved(QMargins(ringWidth, ringWidth, ringWidth, ringWidth));
    }
    painter.setPen(enabled ? SignInTheme::actionButtonText : disabledText);
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this))
        flags |= Qt::TextHideMnemonic;
    painter.drawText(caption, flags, text());
}

// The rounded button in its colour, darker under the mouse; with a ring, only up to the
// ring's middle, so the ring's smoothed outer pixels blend with the panel only.
void ActionButton::paintBackground(QPainter &painter, bool ring) const
{
    QPainterPath shape;
    const QRectF button(rect());
    if (ring) {
        const qreal half = ringWidth / 2.0;
        shape.addRoundedRect(button.adjusted(half, half, -half, -half), cornerRadius - half,
                             cornerRadius - half);
    } else {
        shape.addRoundedRect(button, cornerRadius, cornerRadius);
    }
    QColor colour = m_background;
    if (!isEnabled())
        colour = disabledBackground;
    else if (underMouse())
        colour = m_background.darker(110);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(shape, colour);
    painter.restore();
}

// Straight sides, then each corner as two eighth-circle arcs, one with each side it joins,
// drawn bottom, right, left, top; the order decides how the smoothed corner pixels blend.
void ActionButton::paintFocusRing(QPainter &painter) const
{
    const QRectF button(rect());
    const qreal w = ringWidth;
    const qreal r = cornerRadius;
    const qreal arc = 2 * r - w;
    const qreal left = button.left() + w / 2;
    const qreal top = button.top() + w / 2;
    const qreal right = button.right() - w / 2 - arc;
    const qreal bottom = button.bottom() - w / 2 - arc;
    const QRectF topLeft(left, top, arc, arc), topRight(right, top, arc, arc);
    const QRectF bottomLeft(left, bottom, arc, arc), bottomRight(right, bottom, arc, arc);
    struct Arc {
        QRectF box;
        int start;
        int span;
    };
    struct Side {
        QRectF line;
        Arc first;
        Arc second;
    };
    const qreal across = button.width() - 2 * r;
    const qreal down = button.height() - 2 * r;
    const Side sides[] = {
        {{button.left() + r, button.bottom() - w, across, w}, {bottomLeft, 225, 45}, {bottomRight, 315, -45}},
        {{button.right() - w, button.top() + r, w, down}, {topRight, 45, -45}, {bottomRight, 315, 45}},
        {{button.left(), button.top() + r, w, down}, {topLeft, 135, 45}, {bottomLeft, 225, -45}},
        {{button.left() + r, button.top(), across, w}, {topLeft, 135, -45}, {topRight, 45, 45}},
    };
    const QColor &colour = SignInTheme::heading;
    painter.save();
    painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::SquareCap));
    for (const Side &side : sides) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(side.line, colour);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const Arc &corner : {side.first, side.second})
            painter.drawArc(corner.box, corner.start * 16, corner.span * 16);
    }
    painter.restore();
}
