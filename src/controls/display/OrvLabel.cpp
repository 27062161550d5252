#include "OrvLabel.h"

#include <cmath>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "controls/core/WidgetFont.h"
#include "platform/HostColor.h"
#include "platform/Twips.h"

namespace
{

// The saved form of a bold font: the form code's integer truth values.
constexpr short savedTrue = -1;

QLabel *designLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(QStringLiteral("Label1"), parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    label->setFont(font);
    label->adjustSize();
    return label;
}

} // namespace

const ControlProperties<OrvLabel> &OrvLabel::table()
{
    // Rows in the order a form loads them.
    static const ControlProperties<OrvLabel> rows{
        propertyRow<&OrvLabel::BorderStyle, &OrvLabel::applyBorderStyle>("BorderStyle",
                                                                         Orv::BorderStyle::None),
        propertyRow<&OrvLabel::Enabled, &OrvLabel::applyEnabled>("Enabled", true),
        propertyRow<&OrvLabel::AutoSize, &OrvLabel::applyAutoSize>("AutoSize", true),
        propertyRow<&OrvLabel::Alignment, &OrvLabel::applyAlignment>("Alignment",
                                                                     Orv::Alignment::Left),
        propertyRow<&OrvLabel::Caption, &OrvLabel::applyCaption>("Caption",
                                                                 QStringLiteral("Label1")),
        propertyRow<&OrvLabel::FontBold, &OrvLabel::applyFontBold>("FontBold", false).notSaved(),
        propertyRow<&OrvLabel::savedFontBold, &OrvLabel::loadFontBold>("SavedFontBold", short(0))
            .savedAs("FontBold")
            .notAnnounced(),
        propertyRow<&OrvLabel::FontSize, &OrvLabel::applyFontSize>("FontSize", 10.0f),
        propertyRow<&OrvLabel::FontName, &OrvLabel::applyFontName>("FontName",
                                                                   QStringLiteral("Arial")),
        propertyRow<&OrvLabel::BackColor, &OrvLabel::applyBackColor>("BackColor", qint32(0))
            .notSaved(),
        propertyRow<&OrvLabel::BackStyle, &OrvLabel::applyBackStyle>(
            "BackStyle", OrvDisplay::BackStyle::Transparent)
            .notSaved(),
        propertyRow<&OrvLabel::ForeColor, &OrvLabel::applyForeColor>("ForeColor", qint32(0))
            .notSaved(),
    };
    return rows;
}

OrvLabel::OrvLabel(QWidget *parent)
    : UserControl(parent), m_label2(designLabel(this, "Label2")),
      m_label1(designLabel(this, "Label1")), m_backColor(HostColor::systemColourFlag + 15)
{
    QPalette white = m_label2->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        white.setColor(group, QPalette::WindowText, Qt::white);
    m_label2->setPalette(white);
    m_label2->hide();
    m_label2->move(onePixel(), onePixel());
    applyForeColor(m_foreColor);
    showBackground();
    resize(m_label1->size());
}

QString OrvLabel::Caption() const
{
    return m_label1->text();
}

bool OrvLabel::FontBold() const
{
    return m_label1->font().bold();
}

float OrvLabel::FontSize() const
{
    return float(m_label1->font().pointSizeF());
}

QString OrvLabel::FontName() const
{
    return m_label1->font().family();
}

void OrvLabel::ReadProperties(const PropertyBag &bag)
{
    table().read(*this, bag);
}

void OrvLabel::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

CONTROL_PROPERTY_LET(OrvLabel, table, Alignment, Orv::Alignment)
CONTROL_PROPERTY_LET(OrvLabel, table, AutoSize, bool)
CONTROL_PROPERTY_LET(OrvLabel, table, BackColor, quint32)
CONTROL_PROPERTY_LET(OrvLabel, table, BackStyle, OrvDisplay::BackStyle)
CONTROL_PROPERTY_LET(OrvLabel, table, BorderStyle, Orv::BorderStyle)
CONTROL_PROPERTY_LET(OrvLabel, table, Caption, const QString &)
CONTROL_PROPERTY_LET(OrvLabel, table, Enabled, bool)
CONTROL_PROPERTY_LET(OrvLabel, table, FontBold, bool)
CONTROL_PROPERTY_LET(OrvLabel, table, FontSize, float)
CONTROL_PROPERTY_LET(OrvLabel, table, FontName, const QString &)
CONTROL_PROPERTY_LET(OrvLabel, table, ForeColor, quint32)

void OrvLabel::applyAlignment(Orv::Alignment value)
{
    m_alignment = value;
    m_label1->setAlignment(Orv::horizontalAlignment(value) | Qt::AlignTop);
    m_label2->setAlignment(Orv::horizontalAlignment(value) | Qt::AlignTop);
    reposition();
}

void OrvLabel::applyAutoSize(bool value)
{
    m_autoSize = value;
    // A label of fixed size wraps its text inside its rectangle.
    m_label1->setWordWrap(!value);
    m_label2->setWordWrap(!value);
    fitLabels();
}

void OrvLabel::applyBackColor(quint32 value)
{
    m_backColor = value;
    showBackground();
}

void OrvLabel::applyBackStyle(OrvDisplay::BackStyle value)
{
    m_backStyle = value;
    showBackground();
}

void OrvLabel::applyBorderStyle(Orv::BorderStyle value)
{
    m_borderStyle = value;
    update();
}

void OrvLabel::applyCaption(const QString &value)
{
    m_label1->setText(value);
    m_label2->setText(value);
    fitLabels();
}

void OrvLabel::applyEnabled(bool value)
{
    setEnabled(value);
    m_label1->setEnabled(value);
    m_label2->setVisible(!isEnabled());
}

void OrvLabel::applyFontBold(bool value)
{
    changeFonts([value](QFont &font) { font.setBold(value); });
}

short OrvLabel::savedFontBold() const
{
    return FontBold() ? savedTrue : short(0);
}

void OrvLabel::loadFontBold(short saved)
{
    applyFontBold(saved != 0);
}

void OrvLabel::applyFontSize(float value)
{
    changeFonts([value](QFont &font) { font.setPointSizeF(value); });
}

void OrvLabel::applyFontName(const QString &value)
{
    changeFonts([&value](QFont &font) { font.setFamily(value); });
}

void OrvLabel::applyForeColor(quint32 value)
{
    m_foreColor = value;
    // Only the caption takes the colour; its disabled text keeps the palette's.
    QPalette palette = m_label1->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, HostColor::toColor(value));
    m_label1->setPalette(palette);
}

template <typename Change> void OrvLabel::changeFonts(Change change)
{
    for (QLabel *label : {m_label1, m_label2})
        editFont(*label, change);
    fitLabels();
}

void OrvLabel::fitLabels()
{
    if (!m_autoSize)
        return;
    m_label1->adjustSize();
    m_label2->adjustSize();
    resize(m_label1->size());
}

void OrvLabel::reposition()
{
    const double room = width() - m_label1->width();
    double left = 0;
    if (m_alignment == Orv::Alignment::Right)
        left = room;
    else if (m_alignment == Orv::Alignment::Center)
        left = room / 2;
    m_label1->move(int(std::lround(left)), m_label1->y());
    m_label2->move(m_label1->x() + onePixel(), m_label1->y() + onePixel());
}

void OrvLabel::showBackground()
{
    const bool opaque = m_backStyle == OrvDisplay::BackStyle::Opaque;
    for (QWidget *widget : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_label1)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, HostColor::toColor(m_backColor));
        widget->setPalette(palette);
        widget->setAutoFillBackground(opaque);
    }
}

int OrvLabel::onePixel() const
{
    return Twips::toPixels(15, *this);
}

void OrvLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

void OrvLabel::changeEvent(QEvent *event)
{
    // The engraved copy shows whenever the caption is disabled, by the control or its form.
    if (event->type() == QEvent::EnabledChange)
        m_label2->setVisible(!isEnabled());
    UserControl::changeEvent(event);
}

void OrvLabel::paintEvent(QPaintEvent *)
{
    if (m_borderStyle != Orv::BorderStyle::FixedSingle)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void OrvLabel::resizeEvent(QResizeEvent *)
{
    m_label1->move(0, 0);
    m_label2->move(onePixel(), onePixel());
    if (m_autoSize) {
        if (size() != m_label1->size()) {
            resize(m_label1->size());
            // The control took the caption's size: that resize has done the rest.
            if (size() == m_label1->size())
                return;
        }
    } else {
        m_label1->setGeometry(0, 0, width(), height());
        m_label2->setGeometry(onePixel(), onePixel(), width(), height());
    }
    emit Resize();
}
