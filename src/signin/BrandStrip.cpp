#include "signin/BrandStrip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "signin/SignInTheme.h"

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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(rect().topLeft(), rect().bottomRight());
    fill.setColorAt(0, SignInTheme::brandTop);
    fill.setColorAt(1, SignInTheme::brandBottom);
    painter.fillRect(rect(), fill);

    // A shield: the promise of a secure sign-in, drawn at any resolution.
    const QPointF centre(width() / 2.0, height() * 0.32);
    const qreal r = qMin(width(), height()) * 0.16;
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
    QFont title = font();
    title.setPointSizeF(17);
    title.setBold(true);
    painter.setFont(title);
    const QRectF titleArea(16, height() * 0.5, width() - 32, height() * 0.1);
    painter.drawText(titleArea, Qt::AlignCenter | Qt::TextWordWrap, m_applicationName);

    QFont body = font();
    body.setPointSizeF(10);
    painter.setFont(body);
    const QRectF bodyArea(24, height() * 0.62, width() - 48, height() * 0.3);
    painter.drawText(bodyArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     tr("File returns online with one secure account."));
}
