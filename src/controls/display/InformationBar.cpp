#include "InformationBar.h"

#include <QFontMetrics>
#include <QLabel>

#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

constexpr quint32 cream = HostColor::rgb(255, 252, 222);

QFont loadedFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    return font;
}

} // namespace

const ControlProperties<InformationBar> &InformationBar::table()
{
    static const ControlProperties<InformationBar> rows{
        propertyRow<&InformationBar::Text, &InformationBar::applyText>("Text", QString()),
        propertyRow<&InformationBar::savedFont, &InformationBar::ignoreFont>(
            "Font", QStringLiteral("Arial"))
            .writtenOnly()
            .notAnnounced(),
        propertyRow<&InformationBar::savedFontSize, &InformationBar::ignoreFontSize>("FontSize",
                                                                                     10.0f)
            .writtenOnly()
            .notAnnounced(),
        propertyRow<&InformationBar::savedForeColor, &InformationBar::ignoreForeColor>("ForeColor",
                                                                                       qint32(0))
            .writtenOnly()
            .notAnnounced(),
    };
    return rows;
}

InformationBar::InformationBar(QWidget *parent) : UserControl(parent), m_label1(new QLabel(this))
{
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(0, 0, Twips::toPixels(2385, *this), Twips::toPixels(195, *this));
    showInArial10();
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_label1)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, HostColor::toColor(cream));
        palette.setColor(QPalette::WindowText, Qt::black);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }
}

void InformationBar::letText(const QString &value)
{
    table().assign<&InformationBar::Text>(*this, value);
}

void InformationBar::applyText(const QString &value)
{
    m_text = value;
    m_label1->setText(value);
    centreLabel();
}

void InformationBar::ReadProperties(const PropertyBag &bag)
{
    table().read(*this, bag);
    showInArial10();
}

void InformationBar::showInArial10()
{
    m_label1->setFont(loadedFont());
    // The label is as tall as a line of its font, so no descender is cut off.
    m_label1->resize(m_label1->width(), QFontMetrics(m_label1->font()).height());
    centreLabel();
}

void InformationBar::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

QString InformationBar::savedFont() const
{
    return m_label1->font().family();
}

float InformationBar::savedFontSize() const
{
    return float(m_label1->font().pointSizeF());
}

quint32 InformationBar::savedForeColor() const
{
    return HostColor::fromColor(m_label1->palette().color(QPalette::WindowText));
}

void InformationBar::centreLabel()
{
    m_label1->move(m_label1->x(), (height() - m_label1->height()) / 2);
    m_label1->resize(width() - 2 * m_label1->x(), m_label1->height());
}

void InformationBar::resizeEvent(QResizeEvent *)
{
    centreLabel();
}
