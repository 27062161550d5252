#include "DropDownButton.h"

#include "controls/core/AmbientFont.h"
#include "platform/Twips.h"

namespace
{

// Entries are kept with two leading spaces; every reading trims them.
const QString entryPrefix = QStringLiteral("  ");
constexpr int arrowWidthTwips = 350;
constexpr quint32 designFace = 0xF0F0F0;

void designState(cmd &button)
{
    button.letButtonType(Cmd::ButtonType::Standard);
    button.letColorScheme(Cmd::ColorScheme::System);
    button.letBackColor(designFace);
    button.letBackOver(designFace);
    button.letForeColor(0);
    button.letForeOver(0);
    button.letMaskColor(0xC0C0C0);
    button.letMousePointer(1);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    button.letFont(font);
}

// A small downward triangle in `colour` on the mask colour, which the button leaves out.
CmdPicture arrowGlyph(quint32 colour)
{
    QImage glyph(7, 4, QImage::Format_RGB32);
    glyph.fill(qRgb(0xC0, 0xC0, 0xC0));
    const QRgb ink = DeviceContext::pixel(colour);
    for (int row = 0; row < 4; ++row)
        for (int x = row; x < 7 - row; ++x)
            glyph.setPixel(x, row, ink);
    return CmdPicture::bitmap(glyph);
}

} // namespace

DropDownButton::DropDownButton(QWidget *parent)
    : UserControl(parent),
      m_default(new cmd(this)),
      m_arrow(new cmd(this)),
      m_combo(new QComboBox(this))
{
    m_combo->setObjectName(QStringLiteral("Combo1"));
    QFont comboFont(QStringLiteral("Arial"));
    comboFont.setPointSize(12);
    m_combo->setFont(comboFont);
    m_combo->lower();
    m_default->setObjectName(QStringLiteral("Default"));
    m_arrow->setObjectName(QStringLiteral("DownArrow"));
    designState(*m_default);
    designState(*m_arrow);
    connect(m_arrow, &cmd::Click, m_combo, &QComboBox::showPopup);
    connect(m_default, &cmd::Click, this, &DropDownButton::clickCurrent);
    connect(m_combo, &QComboBox::activated, this, &DropDownButton::showEntry);
    table().init(*this);
}

const ControlProperties<DropDownButton> &DropDownButton::table()
{
    using D = DropDownButton;
    using C = cmd;
    // Rows in the order a form loads them. The arrow's rows read the main button's keys a
    // second time, with the same defaults, and write them again.
    static const ControlProperties<D> rows{
        propertyRow<&D::savedFont, &D::applySavedFont>("Font", QString()),
        // Every caption write fills the list, also of the caption it already has.
        propertyRow<&D::Caption, &D::applyCaption, &D::loadCaption>("Caption",
                                                                    QStringLiteral("Default"))
            .initialised()
            .alwaysApplied(),
        propertyRow<&D::BackColor, &D::toBoth<&C::letBackColor, quint32>>("BackColor",
                                                                          qint64(designFace))
            .initialised(),
        propertyRow<&D::arrowBackColor, &D::toArrow<&C::letBackColor, quint32>>(
            "", qint64(designFace))
            .savedAs("BackColor")
            .notAnnounced(),
        propertyRow<&D::ForeColor, &D::toDefault<&C::letForeColor, quint32>>("ForeColor",
                                                                             qint64(0))
            .initialised(),
        propertyRow<&D::Enabled, &D::toBoth<&C::letEnabled, bool>>("Enabled", true).initialised(),
        propertyRow<&D::arrowEnabled, &D::toArrow<&C::letEnabled, bool>>("", true)
            .savedAs("Enabled")
            .notAnnounced(),
        propertyRow<&D::ButtonType, &D::toBoth<&C::letButtonType, Cmd::ButtonType>>(
            "ButtonType", Cmd::ButtonType::ThinBevel)
            .initialised(),
        propertyRow<&D::arrowButtonType, &D::toArrow<&C::letButtonType, Cmd::ButtonType>>(
            "", Cmd::ButtonType::ThinBevel)
            .savedAs("ButtonType")
            .notAnnounced(),
        propertyRow<&D::BackOver, &D::toBoth<&C::letBackOver, quint32>>("BackOver",
                                                                        qint64(designFace))
            .initialised(),
        propertyRow<&D::arrowBackOver, &D::toArrow<&C::letBackOver, quint32>>("",
                                                                              qint64(designFace))
            .savedAs("BackOver")
            .notAnnounced(),
        propertyRow<&D::ForeOver, &D::toDefault<&C::letForeOver, quint32>>("ForeOver", qint64(0))
            .initialised(),
        propertyRow<&D::ColorScheme, &D::toBoth<&C::letColorScheme, Cmd::ColorScheme>>(
            "ColorScheme", Cmd::ColorScheme::System)
            .initialised(),
        propertyRow<&D::arrowColorScheme, &D::toArrow<&C::letColorScheme, Cmd::ColorScheme>>(
            "", Cmd::ColorScheme::System)
            .savedAs("ColorScheme")
            .notAnnounced(),
        propertyRow<&D::ArrowColor, &D::applyArrowColor, &D::loadArrowColor>("ArrowColor",
                                                                             qint64(0))
            .initialised(),
        propertyRow<&D::arrowForeOver, &D::toArrow<&C::letForeOver, quint32>>("", qint64(0))
            .savedAs("ArrowColor")
            .notAnnounced(),
        propertyRow<&D::IsBlueButton, &D::setIsBlue>("IsBlueButton", false).savedAs("IsBlue"),
        propertyRow<&D::Reset, &D::setReset>("Reset", false).savedAs("IsReset"),
        propertyRow<&D::FontName, &D::toDefault<&C::letFontName, const QString &>>(
            "FontName", QStringLiteral("Arial"))
            .initialised(),
        propertyRow<&D::FontSize, &D::toDefault<&C::letFontSize, float>>("FontSize", 8.0f)
            .initialised(),
    };
    return rows;
}

void DropDownButton::ReadProperties(const PropertyBag &bag)
{
    // A loaded control starts from the saved form, not from a new control's list.
    m_combo->clear();
    table().read(*this, bag);
}

void DropDownButton::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

// The font travels as its saved form, so the table's early return and announcement apply.
void DropDownButton::letFont(const QFont &value)
{
    table().assign<&DropDownButton::savedFont>(*this, AmbientFont::saved(*this, value));
}

QString DropDownButton::savedFont() const
{
    return AmbientFont::saved(*this, m_default->Font());
}

// A description that names no font leaves the main button's font as it is.
void DropDownButton::applySavedFont(const QString &description)
{
    if (const std::optional<QFont> font = AmbientFont::loaded(*this, description))
        m_default->letFont(*font);
}

CONTROL_PROPERTY_LET(DropDownButton, table, Caption, const QString &)
CONTROL_PROPERTY_LET(DropDownButton, table, BackColor, quint32)
CONTROL_PROPERTY_LET(DropDownButton, table, ForeColor, quint32)
CONTROL_PROPERTY_LET(DropDownButton, table, Enabled, bool)
CONTROL_PROPERTY_LET(DropDownButton, table, ButtonType, Cmd::ButtonType)
CONTROL_PROPERTY_LET(DropDownButton, table, BackOver, quint32)
CONTROL_PROPERTY_LET(DropDownButton, table, ForeOver, quint32)
CONTROL_PROPERTY_LET(DropDownButton, table, ColorScheme, Cmd::ColorScheme)
CONTROL_PROPERTY_LET(DropDownButton, table, ArrowColor, quint32)
CONTROL_PROPERTY_LET(DropDownButton, table, IsBlueButton, bool)
CONTROL_PROPERTY_LET(DropDownButton, table, Reset, bool)
CONTROL_PROPERTY_LET(DropDownButton, table, FontName, const QString &)
CONTROL_PROPERTY_LET(DropDownButton, table, FontSize, float)

void DropDownButton::applyCaption(const QString &value)
{
    m_default->letCaption(value);
    if (m_reset)
        m_combo->clear();
    m_combo->insertItem(0, entryPrefix + value);
    m_combo->setCurrentIndex(0);
}

void DropDownButton::loadCaption(const QString &value)
{
    m_default->letCaption(value);
    if (m_combo->count() != 0)
        return;
    m_combo->addItem(entryPrefix + value);
    m_combo->setCurrentIndex(0);
}

void DropDownButton::applyArrowColor(quint32 value)
{
    loadArrowColor(value);
    m_arrow->letForeOver(value);
}

void DropDownButton::loadArrowColor(quint32 value)
{
    m_arrow->letForeColor(value);
    m_arrow->letPictureNormal(arrowGlyph(value));
}

void DropDownButton::AddItem(const QString &item)
{
    m_combo->addItem(entryPrefix + item);
}

QStringList DropDownButton::entries() const
{
    QStringList shown;
    for (int i = 0; i < m_combo->count(); ++i)
        shown << m_combo->itemText(i).trimmed();
    return shown;
}

void DropDownButton::showEntry(int index)
{
    short listIndex = short(index);
    QString caption = m_combo->itemText(index).trimmed();
    emit Click(listIndex, caption);
    m_default->letCaption(m_combo->itemText(index).trimmed());
}

void DropDownButton::clickCurrent()
{
    short listIndex = short(m_combo->currentIndex());
    QString caption = m_combo->currentText().trimmed();
    emit Click(listIndex, caption);
}

void DropDownButton::resizeEvent(QResizeEvent *)
{
    // Laid out in twips, as the form measures.
    const int scaleWidth = Twips::fromPixels(width(), *this);
    const int arrowWidth = Twips::toPixels(arrowWidthTwips, *this);
    const int defaultWidth = Twips::toPixels(scaleWidth - arrowWidthTwips, *this);
    m_default->setGeometry(0, 0, defaultWidth, height());
    m_arrow->setGeometry(defaultWidth, 0, arrowWidth, height());
    m_combo->setGeometry(0, -Twips::toPixels(10, *this), defaultWidth + arrowWidth,
                         m_combo->sizeHint().height());
    m_combo->lower();
}
