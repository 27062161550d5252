#include "OrvProgress.h"

#include <QLabel>
#include <QPainter>

#include "ProgressPainter.h"
#include "platform/HostColor.h"
#include "platform/ModalMessage.h"
#include "platform/Twips.h"

namespace
{

constexpr quint32 frameColor = 0xF0D0B0;

} // namespace

const ControlProperties<OrvProgress> &OrvProgress::table()
{
    // Rows in the order a form loads them. The value is loaded before its range, as saved,
    // so loading stores without the range checks of an assignment.
    static const ControlProperties<OrvProgress> rows{
        propertyRow<&OrvProgress::Value, &OrvProgress::applyValue,
                    &OrvProgress::store<&OrvProgress::m_value>>("Value", 0.0)
            .notAnnounced()
            .initialised()
            .alwaysApplied(), // rewriting the same value still shows new colours
        propertyRow<&OrvProgress::Max, &OrvProgress::store<&OrvProgress::m_max>>("Max", 100.0)
            .notAnnounced()
            .initialised(),
        propertyRow<&OrvProgress::Min, &OrvProgress::store<&OrvProgress::m_min>>("Min", 0.0)
            .notAnnounced()
            .initialised(),
        propertyRow<&OrvProgress::BackColor, &OrvProgress::store<&OrvProgress::m_backColor>>(
            "BackColor", qint32(0xFFFFFF))
            .notAnnounced()
            .initialised(),
        propertyRow<&OrvProgress::ForeColor, &OrvProgress::store<&OrvProgress::m_foreColor>>(
            "ForeColor", qint32(0x00FF00))
            .notAnnounced()
            .initialised(),
        propertyRow<&OrvProgress::OutColor, &OrvProgress::store<&OrvProgress::m_outColor>>(
            "OutColor", qint32(0x008000))
            .notAnnounced()
            .initialised(),
    };
    return rows;
}

OrvProgress::OrvProgress(QWidget *parent) : UserControl(parent), m_picStatus(new QLabel(this))
{
    m_picStatus->setObjectName(QStringLiteral("picStatus"));
    UpdateBar();
}

void OrvProgress::letValue(double value)
{
    if (accepts(value >= m_min && value <= m_max))
        table().assign<&OrvProgress::Value>(*this, value);
}

void OrvProgress::letMin(double value)
{
    if (accepts(value <= m_max))
        table().assign<&OrvProgress::Min>(*this, value);
}

void OrvProgress::letMax(double value)
{
    if (accepts(value >= m_min))
        table().assign<&OrvProgress::Max>(*this, value);
}

void OrvProgress::letBackColor(quint32 value)
{
    table().assign<&OrvProgress::BackColor>(*this, value);
}

void OrvProgress::letForeColor(quint32 value)
{
    table().assign<&OrvProgress::ForeColor>(*this, value);
}

void OrvProgress::letOutColor(quint32 value)
{
    table().assign<&OrvProgress::OutColor>(*this, value);
}

bool OrvProgress::accepts(bool inRange)
{
    if (!inRange)
        ModalMessage::show(this, QStringLiteral("Invalid Value"), ModalMessage::Icon::Critical,
                           ModalMessage::libraryTitle());
    return inRange;
}

void OrvProgress::applyValue(double value)
{
    m_value = value;
    UpdateBar();
}

void OrvProgress::DrawGradient(QPainter &target, short red, short green, short blue, bool reverse,
                               int x1, int y1, int x2, int y2) const
{
    ProgressPainter::drawGradient(target, QColor(red, green, blue), HostColor::toColor(m_outColor),
                                  reverse, x1, y1, x2, y2);
}

void OrvProgress::InitProperties()
{
    table().init(*this);
    UpdateBar();
}

void OrvProgress::ReadProperties(const PropertyBag &bag)
{
    table().read(*this, bag);
    UpdateBar();
}

void OrvProgress::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

void OrvProgress::UpdateBar()
{
    double fraction = 0;
    // A range closed onto Min has no inside: a value above it fills the bar.
    if (m_value - m_min > 0)
        fraction = m_max == m_min ? 1 : (m_value - m_min) / (m_max - m_min);
    const ProgressPainter::Look look{HostColor::toColor(m_backColor),
                                     HostColor::toColor(m_foreColor),
                                     HostColor::toColor(m_outColor), m_picStatus->font()};
    m_picture = ProgressPainter::paint(m_picStatus->size(), devicePixelRatioF(), look, fraction);
    m_picStatus->setPixmap(QPixmap::fromImage(m_picture));
}

void OrvProgress::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(HostColor::toColor(frameColor));
    painter.drawRect(m_picStatus->geometry().adjusted(-1, -1, 0, 0));
}

void OrvProgress::resizeEvent(QResizeEvent *)
{
    const int inset = Twips::toPixels(15, *this);
    m_picStatus->setGeometry(inset, inset, width() - 2 * inset, height() - 2 * inset);
    UpdateBar();
}
