#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QtGlobal>

class DeviceText;

// A drawing surface with the integer, pixel-exact primitives of the old desktop
// graphics: no antialiasing, rectangles whose right and bottom edges are exclusive,
// lines that leave out their end point. Colours are host colours 0x00BBGGRR.
//
// The surface is a premultiplied ARGB32 image: every primitive writes opaque pixels,
// so the bytes are those of plain ARGB32, and a widget blits it without conversion.
// Everything outside the surface is clipped.
class DeviceContext
{
public:
    // One row of an ellipse's inside: pixels [left, right) of row y.
    struct Span {
        int y;
        int left;
        int right;
    };

    // The size, with every pixel fully transparent.
    void resize(int width, int height);
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }
    // For routines that work on whole scan lines.
    QImage &image() { return m_image; }

    // Every pixel fully transparent.
    void clear();
    // Pixels of the region (or outside it) back to fully transparent.
    void erase(const QRegion &region);

    void fillRect(int x, int y, int width, int height, quint32 color);
    // A one-pixel border just inside the rectangle.
    void frameRect(int x, int y, int width, int height, quint32 color);
    void moveTo(int x, int y);
    // From the current point to (x, y), without (x, y) itself; (x, y) becomes current.
    void lineTo(int x, int y, quint32 color);
    void line(int x1, int y1, int x2, int y2, quint32 color);
    void setPixel(int x, int y, quint32 color);
    // An ellipse inside the box, filled with `brush`, outlined by a two-pixel pen
    // that lies inside the box.
    void ellipse(int x, int y, int width, int height, quint32 pen, quint32 brush);
    // Every other pixel of the rectangle's outline inverted (XOR with white), whatever
    // the colours; the top-right pixel of the outline is always one of them.
    void focusRect(const QRect &rect);
    // The block's lines centred in a box of the block's width whose top-left is (x, y).
    void text(const DeviceText &block, int x, int y, quint32 color);
    // Copies the picture's pixels to (x, y).
    void blit(const QImage &picture, int x, int y);

    // The pixels inside the ellipse that fills a width × height box at the origin,
    // row by row; the shape of an elliptic region and of the ellipse's fill.
    static QList<Span> ellipseSpans(int width, int height);
    static QRgb pixel(quint32 color);

private:
    void horizontalRun(int y, int left, int right, QRgb value);

    QImage m_image;
    QPoint m_current;
};
