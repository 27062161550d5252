#include "ProgressPainter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QFontMetrics>
#include <QPainter>

namespace ProgressPainter
{

namespace
{

// A channel as the form code composes colours: a 16-bit integer, halves rounded to even.
int channel(double start, double end, double t)
{
    return int(std::nearbyint(start * (1 - t) + end * t));
}

} // namespace

QString percentText(double fraction)
{
    // A value above a lowered Max can give any fraction, so clamp before converting.
    const double percent = std::floor(fraction * 100);
    const int shown = std::isnan(percent)
                          ? 0
                          : int(std::clamp(percent, double(std::numeric_limits<int>::min()),
                                           double(std::numeric_limits<int>::max())));
    return QString::number(shown) + QLatin1Char('%');
}

void drawGradient(QPainter &target, const QColor &first, const QColor &second, bool reverse, int x1,
                  int y1, int x2, int y2)
{
    const int steps = y2 - y1;
    if (steps < 1)
        return;
    const QColor &top = reverse ? second : first;
    const QColor &bottom = reverse ? first : second;
    const int left = std::min(x1, x2);
    const int width = std::abs(x2 - x1);
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QColor colour(channel(top.red(), bottom.red(), t),
                            channel(top.green(), bottom.green(), t),
                            channel(top.blue(), bottom.blue(), t));
        target.fillRect(left, y1 + i, width, 1, colour);
    }
}

namespace
{

// The filled part, drawn on its own so that it combines with the picture as one layer.
QImage bar(QSize size, qreal devicePixelRatio, const Look &look)
{
    QImage layer(size * devicePixelRatio, QImage::Format_RGB32);
    layer.setDevicePixelRatio(devicePixelRatio);
    layer.fill(look.fore);
    QPainter painter(&layer);
    const int middle = size.height() / 2;
    drawGradient(painter, look.fore, look.out, true, 0, 0, size.width(), middle);
    drawGradient(painter, look.fore, look.out, false, 0, middle, size.width(), size.height());
    return layer;
}

} // namespace

QImage paint(QSize size, qreal devicePixelRatio, const Look &look, double fraction)
{
    QImage picture(size * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(look.back);
    if (size.isEmpty())
        return picture;

    QPainter painter(&picture);
    QFont font = look.font;
    // Whole pixels only, so the not-xor of text and bar stays two colours.
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const QString text = percentText(fraction);
    const QFontMetrics metrics(font);
    const int x = size.width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int y = size.height() / 2 - metrics.height() / 2;
    painter.setPen(look.fore);
    painter.drawText(x, y + metrics.ascent(), text);

    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    if (!(fraction > 0)) {
        painter.fillRect(QRect(QPoint(0, 0), size), look.back);
        return picture;
    }
    // Past the full width there is nothing more to cover.
    const int filled = fraction >= 1 ? size.width() : int(size.width() * fraction);
    if (filled > 0)
        painter.drawImage(0, 0, bar(QSize(filled, size.height()), devicePixelRatio, look));
    return picture;
}

} // namespace ProgressPainter
