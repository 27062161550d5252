#include "orvSeparator.h"

#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

constexpr int designWidth = 5985;
constexpr int line2Top = 10;
constexpr int controlHeight = 30;

QWidget *line(QWidget *parent, const char *name, quint32 colour)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, HostColor::toColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

} // namespace

orvSeparator::orvSeparator(QWidget *parent)
    : QWidget(parent), m_line1(line(this, "Line1", HostColor::rgb(221, 221, 221))),
      m_line2(line(this, "Line2", HostColor::rgb(255, 255, 255)))
{
    resize(sizeHint());
}

QSize orvSeparator::sizeHint() const
{
    return QSize(Twips::toPixels(designWidth, *this), height30Twips());
}

int orvSeparator::height30Twips() const
{
    return Twips::toPixels(controlHeight, *this);
}

void orvSeparator::resizeEvent(QResizeEvent *)
{
    m_line1->setGeometry(0, 0, width(), 1);
    m_line2->setGeometry(0, Twips::toPixels(line2Top, *this), width(), 1);
    if (height() != height30Twips())
        resize(width(), height30Twips());
}
