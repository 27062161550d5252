#include "signin/BrandStrip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>

#include "signin/SignInTheme.h"

namespace
{

void drawStrip(QPainter &painter, const QRect &area, const QFont &font,
               const QString &applicationName)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(area.topLeft(), area.bottomRight());
    fill.setColorAt(0, SignInTheme::brandTop);
    fill.setColorAt(1, SignInTheme::brandBottom);
    painter.fillRect(area, fill);

    // A shield: the promise of a secure sign-in, drawn at any resolution.
    const QPointF centre(area.width() / 2.0, area.height() * 0.32);
    const qreal r = qMin(area.width(), area.height()) * 0.16;
    QPainterPath shield;
    shield.moveTo(centre.x(), centre.y() - r);
    shield.lineTo(centre.x() + r * 0.85, centre.y() - r * 0.6);
    shield.quadTo(centre.x() + r * 0.85, centre.y() + r * 0.6, centre.x(), centre.y() + r);
    shield.quadTo(centre.x() - r * 0.85, centre.y() + r * 0.6, centre.x() - r * 0.85,
                  centre.y() - r * 0.6);
    shield.closeSubpath();
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(QColor(255, 255, 255, 40));
    painter.drawPath(shield);
    painter.drawPolyline(QPolygonF({QPointF(centre.x() - r * 0.35, centre.y()),
                                    QPointF(centre.x() - r * 0.05, centre.y() + r * 0.3),
                                    QPointF(centre.x() + r * 0.4, centre.y() - r * 0.3)}));

    painter.setPen(Qt::white);
    QFont title = font;
    title.setPointSizeF(17);
    title.setBold(true);
    painter.setFont(title);
    const QRectF titleArea(16, area.height() * 0.5, area.width() - 32, area.height() * 0.1);
    painter.drawText(titleArea, Qt::AlignCenter | Qt::TextWordWrap, applicationName);

    QFont body = font;
    body.setPointSizeF(10);
    painter.setFont(body);
    const QRectF bodyArea(24, area.height() * 0.62, area.width() - 48, area.height() * 0.3);
    painter.drawText(bodyArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     BrandStrip::tr("File returns online with one secure account."));
}

} // namespace

BrandStrip::BrandStrip(const QString &name, QWidget *parent)
    : QWidget(parent), m_applicationName(QStringLiteral("Velmo IT"))
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BrandStrip::setApplicationName(const QString &applicationName)
{
    if (applicationName == m_applicationName)
        return;
    m_applicationName = applicationName;
    update();
}

void BrandStrip::paintEvent(QPaintEvent *)
{
    // The strip is the same on every opening: it is drawn once per size, name and font
    // and then copied, as its gradient, outline and wrapped texts cost more than the rest
    // of the panel's painting.
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("velmo-brand-strip:%1x%2@%3:%4:%5")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(font().key(), m_applicationName);
    QPixmap strip;
    if (!QPixmapCache::find(key, &strip)) {
        strip = QPixmap(size() * ratio);
        strip.setDevicePixelRatio(ratio);
        QPainter onStrip(&strip);
        drawStrip(onStrip, rect(), font(), m_applicationName);
        onStrip.end();
        QPixmapCache::insert(key, strip);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, strip);
}
