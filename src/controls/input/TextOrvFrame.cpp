#include "TextOrvFrame.h"

#include <QPainter>

#include "platform/HostColor.h"
#include "platform/Twips.h"

void TextOrvFrame::setShape(quint32 colour, int width)
{
    m_shapeColour = colour;
    m_shapeWidth = width;
}

void TextOrvFrame::paintFlat(quint32 surface, quint32 colour)
{
    m_surfaceColour = surface;
    recolourFlat(colour);
}

void TextOrvFrame::recolourFlat(quint32 colour)
{
    m_linesDrawn = true;
    m_lineColour = colour;
}

void TextOrvFrame::paint(QPainter &painter, const QRect &surface, int logicalDpi) const
{
    painter.save();
    painter.fillRect(surface, HostColor::toColor(m_surfaceColour));
    if (m_shapeRect.isValid()) {
        painter.setPen(QPen(HostColor::toColor(m_shapeColour), m_shapeWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_shapeRect.adjusted(0, 0, -1, -1));
    }
    if (m_linesDrawn) {
        // One-pixel lines on the edges; the right and bottom ones sit one twip-pixel
        // (15 twips) inside the surface.
        const int inset = Twips::toPixels(15, logicalDpi);
        const int right = surface.right() + 1 - inset;
        const int bottom = surface.bottom() + 1 - inset;
        const QColor colour = HostColor::toColor(m_lineColour);
        painter.fillRect(QRect(0, 0, surface.width(), 1), colour);
        painter.fillRect(QRect(0, 0, 1, surface.height()), colour);
        painter.fillRect(QRect(right, 0, 1, surface.height()), colour);
        painter.fillRect(QRect(0, bottom, surface.width(), 1), colour);
    }
    painter.restore();
}
