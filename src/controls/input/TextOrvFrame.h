#pragma once

#include <QRect>
#include <QtGlobal>

class QPainter;

// What a TextOrv draws on its own surface: the surface colour, the frame element
// (`Shape`) around the inner box, and, in the flat style, four one-pixel lines along
// the edges that survive repaints. Colours are in the host's convention.
class TextOrvFrame
{
public:
    static constexpr quint32 focusShapeColour = 0xF4D8BE;   // RGB(190, 216, 244)
    static constexpr quint32 errorShapeColour = 0x0000FF;   // RGB(255, 0, 0)
    static constexpr quint32 idleShapeColour = 0x80000000u; // system scroll-bar colour
    static constexpr int shapeLineWidth = 4;

    quint32 surfaceColour() const { return m_surfaceColour; }
    quint32 shapeColour() const { return m_shapeColour; }
    int shapeWidth() const { return m_shapeWidth; }
    QRect shapeRect() const { return m_shapeRect; }
    bool linesDrawn() const { return m_linesDrawn; }
    quint32 lineColour() const { return m_lineColour; }

    void setShapeRect(const QRect &rect) { m_shapeRect = rect; }
    void setSurfaceColour(quint32 colour) { m_surfaceColour = colour; }
    void setShape(quint32 colour, int width);
    // Clears the surface to `surface` and draws the four lines in `colour`.
    void paintFlat(quint32 surface, quint32 colour);
    // Draws the four lines again in `colour`, leaving the surface as it is.
    void recolourFlat(quint32 colour);
    void clearLines() { m_linesDrawn = false; }

    void paint(QPainter &painter, const QRect &surface, int logicalDpi) const;

private:
    quint32 m_surfaceColour = 0xF0D0B0; // RGB(176, 208, 240)
    quint32 m_shapeColour = idleShapeColour;
    int m_shapeWidth = shapeLineWidth;
    QRect m_shapeRect;
    bool m_linesDrawn = false;
    quint32 m_lineColour = 0;
};
