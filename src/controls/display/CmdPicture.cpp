#include "CmdPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include "platform/DeviceContext.h"

namespace
{

const QString bitmapTag = QStringLiteral("bitmap:");
const QString iconTag = QStringLiteral("icon:");

QString pngText(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

} // namespace

CmdPicture CmdPicture::bitmap(const QImage &image)
{
    CmdPicture picture;
    if (image.isNull())
        return picture;
    picture.m_kind = Kind::Bitmap;
    picture.m_bitmap = image.convertToFormat(QImage::Format_RGB32);
    picture.m_size = image.deviceIndependentSize().toSize();
    return picture;
}

CmdPicture CmdPicture::icon(const QIcon &icon, QSize size)
{
    CmdPicture picture;
    if (icon.isNull() || size.isEmpty())
        return picture;
    picture.m_kind = Kind::Icon;
    picture.m_icon = icon;
    picture.m_size = size;
    return picture;
}

CmdPicture CmdPicture::fromFile(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.hasAlphaChannel())
        return icon(QIcon(QPixmap::fromImage(image)), image.size());
    return bitmap(image);
}

QImage CmdPicture::pixels(QSize area, quint32 background) const
{
    if (m_kind == Kind::Bitmap)
        return m_bitmap;
    if (m_kind == Kind::None || area.isEmpty())
        return {};
    if (m_iconPixels.size() != area || m_iconBackground != background) {
        m_iconPixels = QImage(area, QImage::Format_RGB32);
        m_iconPixels.fill(DeviceContext::pixel(background));
        QPainter painter(&m_iconPixels);
        m_icon.paint(&painter, m_iconPixels.rect());
        m_iconBackground = background;
    }
    return m_iconPixels;
}

QPixmap CmdPicture::pixmap() const
{
    if (m_kind == Kind::Icon)
        return m_icon.pixmap(m_size);
    return QPixmap::fromImage(m_bitmap);
}

QString CmdPicture::toSaved() const
{
    switch (m_kind) {
    case Kind::Bitmap:
        return bitmapTag + pngText(m_bitmap);
    case Kind::Icon:
        return iconTag + pngText(pixmap().toImage());
    case Kind::None:
        break;
    }
    return {};
}

CmdPicture CmdPicture::fromSaved(const QString &saved)
{
    const bool isIcon = saved.startsWith(iconTag);
    if (!isIcon && !saved.startsWith(bitmapTag))
        return {};
    const QString data = saved.mid((isIcon ? iconTag : bitmapTag).size());
    const QImage image = QImage::fromData(QByteArray::fromBase64(data.toLatin1()), "PNG");
    if (image.isNull())
        return {};
    return isIcon ? icon(QIcon(QPixmap::fromImage(image)), image.size()) : bitmap(image);
}

bool CmdPicture::operator==(const CmdPicture &other) const
{
    if (m_kind != other.m_kind || m_size != other.m_size)
        return false;
    if (m_kind == Kind::Icon)
        return m_icon.cacheKey() == other.m_icon.cacheKey();
    return m_bitmap == other.m_bitmap;
}
