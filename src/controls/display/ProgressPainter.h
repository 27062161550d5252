#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class QPainter;

// The drawing of the progress bar, apart from the widget that shows it.
namespace ProgressPainter
{

struct Look {
    QColor back;
    QColor fore;
    QColor out;
    QFont font;
};

// The percentage printed for a fraction: its integer part, never rounded up, held within
// the int range.
QString percentText(double fraction);

// Horizontal lines from (x1, y) to (x2, y), x2 left out, for y = y1 … y2, shading from
// `first` at y1 to `second` at y2, or the other way round with `reverse`. Nothing is drawn
// unless y2 − y1 is at least 1.
void drawGradient(QPainter &target, const QColor &first, const QColor &second, bool reverse, int x1,
                  int y1, int x2, int y2);

// The picture of a bar filled to `fraction`: the percentage printed in the middle, then the
// bar (its colour shaded to `out` at the top and bottom edges) laid over it in not-xor
// mode, so the text stays readable where the bar covers it. A fraction of 1 or more fills
// the whole width.
QImage paint(QSize size, qreal devicePixelRatio, const Look &look, double fraction);

} // namespace ProgressPainter
