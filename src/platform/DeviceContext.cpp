#include "DeviceContext.h"

#include <cmath>
#include <cstring>

#include "DeviceText.h"

namespace
{

qint64 integerSquareRoot(qint64 value)
{
    qint64 root = qint64(std::sqrt(double(value)));
    while (root * root > value)
        --root;
    while ((root + 1) * (root + 1) <= value)
        ++root;
    return root;
}

// Floor of a / 2 for any sign.
qint64 halfDown(qint64 value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

void DeviceContext::resize(int width, int height)
{
    m_image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
    clear();
}

void DeviceContext::clear()
{
    m_image.fill(Qt::transparent);
}

void DeviceContext::erase(const QRegion &region)
{
    for (const QRect &rect : region)
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            horizontalRun(y, rect.left(), rect.right() + 1, 0);
}

QRgb DeviceContext::pixel(quint32 color)
{
    return qRgb(int(color & 0xff), int(color >> 8 & 0xff), int(color >> 16 & 0xff));
}

void DeviceContext::horizontalRun(int y, int left, int right, QRgb value)
{
    if (y < 0 || y >= height())
        return;
    left = std::max(left, 0);
    right = std::min(right, width());
    if (left >= right)
        return;
    auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
    std::fill(row + left, row + right, value);
}

void DeviceContext::fillRect(int x, int y, int width, int height, quint32 color)
{
    const QRgb value = pixel(color);
    for (int row = std::max(y, 0); row < std::min(y + height, this->height()); ++row)
        horizontalRun(row, x, x + width, value);
}

void DeviceContext::frameRect(int x, int y, int width, int height, quint32 color)
{
    if (width <= 0 || height <= 0)
        return;
    fillRect(x, y, width, 1, color);
    fillRect(x, y + height - 1, width, 1, color);
    fillRect(x, y, 1, height, color);
    fillRect(x + width - 1, y, 1, height, color);
}

void DeviceContext::moveTo(int x, int y)
{
    m_current = QPoint(x, y);
}

void DeviceContext::lineTo(int x, int y, quint32 color)
{
    const QRgb value = pixel(color);
    int px = m_current.x();
    int py = m_current.y();
    const int dx = std::abs(x - px);
    const int dy = -std::abs(y - py);
    const int stepX = px < x ? 1 : -1;
    const int stepY = py < y ? 1 : -1;
    int error = dx + dy;
    while (px != x || py != y) {
        horizontalRun(py, px, px + 1, value);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            px += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            py += stepY;
        }
    }
    m_current = QPoint(x, y);
}

void DeviceContext::line(int x1, int y1, int x2, int y2, quint32 color)
{
    moveTo(x1, y1);
    lineTo(x2, y2, color);
}

void DeviceContext::setPixel(int x, int y, quint32 color)
{
    horizontalRun(y, x, x + 1, pixel(color));
}

QList<DeviceContext::Span> DeviceContext::ellipseSpans(int width, int height)
{
    // A pixel belongs to the ellipse when its centre does:
    // (2x + 1 - w)² h² + (2y + 1 - h)² w² <= w² h².
    QList<Span> spans;
    if (width <= 0 || height <= 0)
        return spans;
    const qint64 w = width;
    const qint64 h = height;
    for (int y = 0; y < height; ++y) {
        const qint64 across = 2 * y + 1 - h;
        const qint64 room = w * w * h * h - across * across * w * w;
        if (room < 0)
            continue;
        const qint64 reach = integerSquareRoot(room / (h * h));
        const qint64 left = -halfDown(-(w - reach - 1));
        const qint64 right = halfDown(w + reach - 1) + 1;
        if (left < right)
            spans += Span{y, int(left), int(right)};
    }
    return spans;
}

void DeviceContext::ellipse(int x, int y, int width, int height, quint32 pen, quint32 brush)
{
    const QRgb penValue = pixel(pen);
    const QRgb brushValue = pixel(brush);
    for (const Span &span : ellipseSpans(width, height))
        horizontalRun(y + span.y, x + span.left, x + span.right, penValue);
    for (const Span &span : ellipseSpans(width - 4, height - 4))
        horizontalRun(y + 2 + span.y, x + 2 + span.left, x + 2 + span.right, brushValue);
}

void DeviceContext::focusRect(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.left() + rect.width() - 1;
    const int bottom = rect.top() + rect.height() - 1;
    const int phase = (right + top) & 1;
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) != phase || x < 0 || y < 0 || x >= width() || y >= height())
            return;
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        row[x] ^= 0x00ffffff;
    };
    for (int x = left; x <= right; ++x) {
        invert(x, top);
        if (bottom != top)
            invert(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        invert(left, y);
        if (right != left)
            invert(right, y);
    }
}

void DeviceContext::text(const DeviceText &block, int x, int y, quint32 color)
{
    const QRgb value = pixel(color);
    for (const DeviceText::Run &run : block.runs())
        horizontalRun(y + run.y, x + run.left, x + run.right, value);
}

void DeviceContext::blit(const QImage &picture, int x, int y)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int left = std::max(x, 0);
    const int right = std::min(x + source.width(), width());
    if (left >= right)
        return;
    for (int row = std::max(y, 0); row < std::min(y + source.height(), height()); ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(row - y));
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::memcpy(to + left, from + (left - x), size_t(right - left) * sizeof(QRgb));
    }
}
