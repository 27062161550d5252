#include "CmdRegion.h"

#include <QList>
#include <QPoint>

#include "platform/DeviceContext.h"

namespace
{

QRegion ellipseRegion(int width, int height)
{
    QRegion region;
    for (const DeviceContext::Span &span : DeviceContext::ellipseSpans(width, height))
        region += QRect(span.left, span.y, span.right - span.left, 1);
    return region;
}

QList<QPoint> cutCorners(Cmd::ButtonType type, int w, int h)
{
    switch (type) {
    case Cmd::ButtonType::BoxedBevel:
    case Cmd::ButtonType::FadedGradient:
        return {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    case Cmd::ButtonType::TintedFlat:
        return {{0, h - 1}, {w - 1, 0}};
    case Cmd::ButtonType::GlowGradient:
    case Cmd::ButtonType::RoundedLight:
        return {{0, 0},     {1, 0},     {0, 1},     {w - 2, 0},     {w - 1, 0},     {w - 1, 1},
                {0, h - 1}, {1, h - 1}, {0, h - 2}, {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2}};
    default:
        return {};
    }
}

} // namespace

QRegion BuildRegion(Cmd::ButtonType type, int width, int height)
{
    if (type == Cmd::ButtonType::Oval)
        return ellipseRegion(width, height);
    QRegion region(0, 0, width, height);
    for (const QPoint &corner : cutCorners(type, width, height))
        region -= QRegion(corner.x(), corner.y(), 1, 1);
    return region;
}
