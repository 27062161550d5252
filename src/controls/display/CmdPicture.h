#pragma once

#include <QIcon>
#include <QImage>
#include <QMetaType>
#include <QSize>
#include <QString>

// A picture a `cmd` shows: a bitmap, whose pixels are copied as they are, or an icon,
// which is drawn at the requested size over a brush of the button's mask colour so
// that its transparent area takes that colour.
class CmdPicture
{
public:
    // The saved picture types.
    enum class Kind { None = 0, Bitmap = 1, Icon = 3 };

    CmdPicture() = default;
    // Colours only: any alpha channel of the image is ignored.
    static CmdPicture bitmap(const QImage &image);
    static CmdPicture icon(const QIcon &icon, QSize size);
    // An image file; one with transparent pixels (an .ico, or a PNG with alpha) becomes
    // an icon of the image's size. A file that cannot be read gives no picture.
    static CmdPicture fromFile(const QString &path);

    bool isNull() const { return m_kind == Kind::None; }
    Kind kind() const { return m_kind; }
    // In pixels.
    QSize size() const { return m_size; }

    // What a blit reads, in RGB32: a bitmap's own pixels, of which a blit takes what its
    // box covers from the top-left corner; an icon drawn at `area`'s size over
    // `background` (a host colour).
    QImage pixels(QSize area, quint32 background) const;

    // The picture as drawn on its own, at its size, transparent where an icon is.
    QPixmap pixmap() const;

    // The picture as text for a form's property store, and back; the empty text is no
    // picture, and so is a text that holds no picture.
    QString toSaved() const;
    static CmdPicture fromSaved(const QString &saved);
    // The same two, for the property store's conversions.
    explicit CmdPicture(const QString &saved) : CmdPicture(fromSaved(saved)) {}
    explicit operator QString() const { return toSaved(); }

    bool operator==(const CmdPicture &other) const;

private:
    Kind m_kind = Kind::None;
    QSize m_size;
    QImage m_bitmap;
    QIcon m_icon;
    // The last icon drawing, kept while neither its size nor its background changes.
    mutable QImage m_iconPixels;
    mutable quint32 m_iconBackground = 0;
};

Q_DECLARE_METATYPE(CmdPicture)
