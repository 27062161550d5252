#include "signin/EyePicture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "signin/SignInTheme.h"

namespace EyePicture {

QString fileName(State state)
{
    return state == Masked ? QStringLiteral("/eye.jpg") : QStringLiteral("/eye1.jpg");
}

QString locate(const QString &appPath, State state)
{
    const QString name = fileName(state);
    const QStringList candidates = {appPath + QStringLiteral("\\BIN") + name,
                                    appPath + QStringLiteral("/BIN") + name, appPath + name};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

namespace
{

QImage drawPicture(State state)
{
    constexpr int size = 44;
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(SignInTheme::heading, 3);
    painter.setPen(pen);

    QPainterPath outline;
    outline.moveTo(4, size / 2.0);
    outline.quadTo(size / 2.0, 4, size - 4, size / 2.0);
    outline.quadTo(size / 2.0, size - 4, 4, size / 2.0);
    painter.drawPath(outline);
    painter.setBrush(SignInTheme::heading);
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), 6, 6);
    // The clear-text picture is struck through: a click masks the input again.
    if (state == Clear)
        painter.drawLine(QPointF(8, size - 8), QPointF(size - 8, 8));
    painter.end();
    return picture;
}

} // namespace

QIcon builtIn(State state)
{
    // Drawn once per process, as every opening of the window shows the same pictures; kept
    // as images, which may outlive the application object.
    if (state == Masked) {
        static const QImage masked = drawPicture(Masked);
        return QIcon(QPixmap::fromImage(masked));
    }
    static const QImage clear = drawPicture(Clear);
    return QIcon(QPixmap::fromImage(clear));
}

} // namespace EyePicture
