#include "Search.h"

#include <QLabel>
#include <QMouseEvent>

#include "HostMouse.h"
#include "SearchLayout.h"
#include "controls/core/AmbientFont.h"

namespace
{

constexpr quint32 white = HostColor::rgb(255, 255, 255);

QFont designFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setItalic(true);
    return font;
}

} // namespace

Search::Search(QWidget *parent)
    : InputField(parent, designFont(), 75, tr("Search")), m_image1(new QLabel(this))
{
    // The form filters its list as the user types; Enter is the form's to act on.
    keepEnter();
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAccessibleName(tr("Search"));
    m_image1->setPixmap(QPixmap(QStringLiteral(":/velmo/search/magnifier.png")));
    m_image1->setFixedSize(m_image1->pixmap().size());
    // Mouse moves reach the form without a button held, as they do in the host.
    Text1()->setMouseTracking(true);
    frame().setSurfaceColour(white);
    layoutChildren();
}

const ControlProperties<Search> &Search::properties()
{
    using namespace Orv;
    // Rows in the order a form saves and loads them: the single font values come after the
    // font, so they win over it.
    static const ControlProperties<Search> rows{
        propertyRow<&Search::BackColor, &Search::applyBackground>("BackColor",
                                                                  qint32(HostColor::window)),
        propertyRow<&Search::ForeColor, &Search::applyForeground>("ForeColor", qint32(windowText)),
        propertyRow<&Search::Enabled, &Search::applyInnerEnabled>("Enabled", true),
        propertyRow<&Search::savedFont, &Search::applyFont>("Font", QString()),
        propertyRow<&Search::BackStyle, &Search::storeBackStyle>("BackStyle", short(0))
            .initialised(),
        propertyRow<&Search::BorderStyle, &Search::applyBorderStyle>("BorderStyle",
                                                                     BorderStyle::None),
        propertyRow<&Search::Alignment, &Search::applyAlignment>("Alignment", Alignment::Left),
        propertyRow<&Search::FontBold, &Search::applyFontBold>("FontBold", false),
        propertyRow<&Search::FontItalic, &Search::applyFontItalic>("FontItalic", false),
        propertyRow<&Search::FontName, &Search::applyFontName>("FontName", QStringLiteral("Arial")),
        propertyRow<&Search::FontSize, &Search::applyFontSize>("FontSize", 8.0f),
        propertyRow<&Search::MaxLength, &Search::applyMaxLength>("MaxLength", short(75)),
        propertyRow<&Search::Text, &Search::applyText>("Text", QString()).signalledByControl(),
    };
    return rows;
}

void Search::InitProperties()
{
    properties().init(*this);
}

void Search::ReadProperties(const PropertyBag &bag)
{
    properties().read(*this, bag);
}

void Search::WriteProperties(PropertyBag &bag) const
{
    properties().write(*this, bag);
}

CONTROL_PROPERTY_LET(Search, properties, BackColor, quint32)
CONTROL_PROPERTY_LET(Search, properties, ForeColor, quint32)
CONTROL_PROPERTY_LET(Search, properties, Enabled, bool)
CONTROL_PROPERTY_LET(Search, properties, BackStyle, short)
CONTROL_PROPERTY_LET(Search, properties, BorderStyle, Orv::BorderStyle)
CONTROL_PROPERTY_LET(Search, properties, Alignment, Orv::Alignment)
CONTROL_PROPERTY_LET(Search, properties, FontBold, bool)
CONTROL_PROPERTY_LET(Search, properties, FontItalic, bool)
CONTROL_PROPERTY_LET(Search, properties, FontName, const QString &)
CONTROL_PROPERTY_LET(Search, properties, FontSize, float)
CONTROL_PROPERTY_LET(Search, properties, MaxLength, int)
CONTROL_PROPERTY_LET(Search, properties, Text, const QString &)

// The font travels as its saved form, so the table's early return and announcement apply.
void Search::letFont(const QFont &value)
{
    properties().assign<&Search::savedFont>(*this, AmbientFont::saved(*this, value));
}

QString Search::savedFont() const
{
    return AmbientFont::saved(*this, Text1()->font());
}

// A description that names no font leaves the box's font as it is.
void Search::applyFont(const QString &description)
{
    if (const std::optional<QFont> font = AmbientFont::loaded(*this, description))
        Text1()->setFont(*font);
}

void Search::storeBackStyle(short value)
{
    m_backStyle = value;
}

Orv::BorderStyle Search::BorderStyle() const
{
    return Text1()->hasFrame() ? Orv::BorderStyle::FixedSingle : Orv::BorderStyle::None;
}

void Search::applyBorderStyle(Orv::BorderStyle value)
{
    Text1()->setFrame(value == Orv::BorderStyle::FixedSingle);
}

void Search::applyAlignment(Orv::Alignment value)
{
    m_alignment = value;
    Text1()->setAlignment(Orv::horizontalAlignment(value) | Qt::AlignVCenter);
}

void Search::Refresh()
{
    Text1()->repaint();
}

// The box's mouse events reach the form too; the box still handles them.
bool Search::innerEvent(QEvent &event)
{
    const auto &mouse = static_cast<const QMouseEvent &>(event);
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        forwardMouse(mouse, &Search::MouseDown);
        return false;
    case QEvent::MouseMove:
        forwardMouse(mouse, &Search::MouseMove);
        return false;
    case QEvent::MouseButtonRelease:
        forwardMouse(mouse, &Search::MouseUp);
        if (mouse.button() == Qt::LeftButton && Text1()->rect().contains(mouse.pos()))
            emit Click();
        return false;
    case QEvent::MouseButtonDblClick:
        emit DblClick();
        return false;
    default:
        return InputField::innerEvent(event);
    }
}

void Search::forwardMouse(const QMouseEvent &event,
                          void (Search::*signal)(short &, short &, float &, float &))
{
    HostMouse mouse = HostMouse::of(event, *this);
    (this->*signal)(mouse.button, mouse.shift, mouse.x, mouse.y);
}

void Search::layoutChildren()
{
    frame().setShapeRect(rect());
    // The box is one line of its font high, inside the frame.
    const int lineHeight = Text1()->fontMetrics().height() + 2;
    const std::optional<SearchLayout> layout =
        SearchLayout::compute(size(), m_image1->size(), lineHeight, logicalDpiX());
    if (layout) {
        Text1()->setGeometry(layout->text);
        m_image1->setGeometry(layout->image);
    }
    update();
}
