// The property table of TextOrv and its assignments: each stores a new value and brings
// the inner box, the frame or the text up to date; the table adds the early return, the
// form's notification and the change signal.
#include "TextOrv.h"
#include "TextOrvLimit.h"
#include "platform/HostColor.h"

namespace
{

constexpr quint32 white = HostColor::rgb(255, 255, 255);
constexpr quint32 greyedBackground = HostColor::rgb(245, 245, 245);

} // namespace

const ControlProperties<TextOrv> &TextOrv::properties()
{
    using namespace OrvInput;
    // Rows in the order a form saves and loads them. The inner box's border and look are
    // settings of its own design: a saved "Border" or "Appearance" does not reach it, and
    // loading the style gives a standard control its designed three-dimensional border.
    // Enabled, Locked, TextType and Style are applied even when unchanged, as their
    // assignments also set the background, the focus, the alignment or the look that a
    // loaded or new control does not have yet.
    static const ControlProperties<TextOrv> rows{
        propertyRow<&TextOrv::Text, &TextOrv::applyText>("Text", QString()).signalledByControl(),
        propertyRow<&TextOrv::PasswordChar, &TextOrv::setInnerPasswordChar>("PasswordChar",
                                                                            QString()),
        propertyRow<&TextOrv::Enabled, &TextOrv::applyEnabled, &TextOrv::loadEnabled>("Enabled",
                                                                                      true)
            .alwaysApplied(),
        propertyRow<&TextOrv::MaxLength, &TextOrv::setInnerMaxLength>("MaxLength", 0),
        propertyRow<&TextOrv::Locked, &TextOrv::applyLocked, &TextOrv::loadLocked>("Locked", false)
            .alwaysApplied(),
        propertyRow<&TextOrv::Border, &TextOrv::applyBorder>("Border", short(1)).writtenOnly(),
        propertyRow<&TextOrv::Alignment, &TextOrv::setInnerAlignment>("Alignment",
                                                                      Orv::Alignment::Left),
        propertyRow<&TextOrv::Appearance, &TextOrv::applyAppearance>("Appearance",
                                                                     Appearance::ThreeD)
            .writtenOnly(),
        propertyRow<&TextOrv::TextType, &TextOrv::applyTextType, &TextOrv::loadTextType>(
            "TextType", TextType::FreeText)
            .savedAs("TTYPE")
            .initialised()
            .alwaysWritten()
            .alwaysApplied(),
        propertyRow<&TextOrv::TextLimit, &TextOrv::applyTextLimit, &TextOrv::loadTextLimit>(
            "TextLimit", TextOrvLimit::defaultLimit)
            .savedAs("TLimit")
            .initialised()
            .alwaysWritten(),
        propertyRow<&TextOrv::BorderColor, &TextOrv::applyBorderColor, &TextOrv::storeBorderColor>(
            "BorderColor", qint32(defaultBorderColor))
            .initialised(),
        propertyRow<&TextOrv::BorderColorFocus, &TextOrv::storeBorderColorFocus>(
            "BorderColorFocus", qint32(defaultBorderColorFocus))
            .savedAs("BorderColorOver")
            .initialised(),
        propertyRow<&TextOrv::Style, &TextOrv::applyStyle, &TextOrv::loadStyle>("Style",
                                                                                Style::Standard)
            .alwaysApplied(),
        propertyRow<&TextOrv::DigitAfterDecimal, &TextOrv::storeDigitAfterDecimal>(
            "DigitAfterDecimal", short(2))
            .notAnnounced(),
        propertyRow<&TextOrv::TextCase, &TextOrv::storeTextCase>("TextCase", TextCase::Proper)
            .notAnnounced(),
        propertyRow<&TextOrv::FillColor, &TextOrv::storeFillColor>("FillColor", qint32(0))
            .initialised(),
        propertyRow<&TextOrv::FontName, &TextOrv::applyFontName>("FontName",
                                                                 QStringLiteral("Arial")),
        propertyRow<&TextOrv::FontSize, &TextOrv::applyFontSize>("FontSize", 8.0f),
        propertyRow<&TextOrv::ErrorFlag, &TextOrv::applyErrorFlag>("ErrorFlag", QString())
            .notSaved(),
    };
    return rows;
}

void TextOrv::InitProperties()
{
    properties().init(*this);
    layoutChildren();
}

void TextOrv::ReadProperties(const PropertyBag &bag)
{
    properties().read(*this, bag);
}

void TextOrv::WriteProperties(PropertyBag &bag) const
{
    properties().write(*this, bag);
}

CONTROL_PROPERTY_LET(TextOrv, properties, Text, const QString &)
CONTROL_PROPERTY_LET(TextOrv, properties, PasswordChar, const QString &)
CONTROL_PROPERTY_LET(TextOrv, properties, Enabled, bool)
CONTROL_PROPERTY_LET(TextOrv, properties, MaxLength, int)
CONTROL_PROPERTY_LET(TextOrv, properties, Locked, bool)
CONTROL_PROPERTY_LET(TextOrv, properties, Border, bool)
CONTROL_PROPERTY_LET(TextOrv, properties, Alignment, Orv::Alignment)
CONTROL_PROPERTY_LET(TextOrv, properties, Appearance, OrvInput::Appearance)
CONTROL_PROPERTY_LET(TextOrv, properties, TextType, OrvInput::TextType)
CONTROL_PROPERTY_LET(TextOrv, properties, TextLimit, const QString &)
CONTROL_PROPERTY_LET(TextOrv, properties, BorderColor, quint32)
CONTROL_PROPERTY_LET(TextOrv, properties, BorderColorFocus, quint32)
CONTROL_PROPERTY_LET(TextOrv, properties, Style, OrvInput::Style)
CONTROL_PROPERTY_LET(TextOrv, properties, DigitAfterDecimal, short)
CONTROL_PROPERTY_LET(TextOrv, properties, TextCase, OrvInput::TextCase)
CONTROL_PROPERTY_LET(TextOrv, properties, FillColor, quint32)
CONTROL_PROPERTY_LET(TextOrv, properties, FontName, const QString &)
CONTROL_PROPERTY_LET(TextOrv, properties, FontSize, float)
CONTROL_PROPERTY_LET(TextOrv, properties, ErrorFlag, const QString &)

void TextOrv::applyText(const QString &value)
{
    m_text1->setText(value);
}

void TextOrv::applyEnabled(bool value)
{
    loadEnabled(value);
    setInnerBackground(value ? white : greyedBackground);
    if (m_style == OrvInput::Style::Flat)
        paintFlat(m_innerBackground);
}

void TextOrv::loadEnabled(bool value)
{
    m_text1->setEnabled(value);
    setEnabled(value);
}

// A locked control takes no focus, but loading a locked one does not disable it.
void TextOrv::applyLocked(bool value)
{
    loadLocked(value);
    setEnabled(!value);
    setInnerBackground(value ? greyedBackground : white);
    if (m_style == OrvInput::Style::Flat)
        paintFlat(m_innerBackground);
}

void TextOrv::loadLocked(bool value)
{
    m_text1->setReadOnly(value);
}

void TextOrv::applyBorder(bool value)
{
    if (m_style == OrvInput::Style::Standard)
        setInnerLook(m_innerAppearance, value);
}

void TextOrv::applyAppearance(OrvInput::Appearance value)
{
    if (m_style == OrvInput::Style::Standard)
        setInnerLook(value, m_innerBorder);
}

void TextOrv::applyTextType(OrvInput::TextType value)
{
    using OrvInput::TextType;
    loadTextType(value);
    normaliseText(TextOrvNormaliser::Occasion::TextTypeAssigned);
    if (value == TextType::FreeText || value == TextType::Digits)
        setInnerAlignment(Orv::Alignment::Left);
    else if (value == TextType::Decimal || value == TextType::Integer || value == TextType::Date)
        setInnerAlignment(Orv::Alignment::Right);
}

// A saved type and range arrive as stored: nothing is normalised or parsed.
void TextOrv::loadTextType(OrvInput::TextType value)
{
    m_rules.textType = savedInteger(value);
}

void TextOrv::applyTextLimit(const QString &value)
{
    m_rules.textLimit = TextOrvLimit::normalise(value);
    if (value.contains(QLatin1Char(':')) &&
        (TextType() == OrvInput::TextType::Decimal || TextType() == OrvInput::TextType::Integer))
        normaliseText(TextOrvNormaliser::Occasion::LimitAssigned);
}

void TextOrv::loadTextLimit(const QString &value)
{
    m_rules.textLimit = value;
}

// The flat frame takes the colour at once, whatever the style.
void TextOrv::applyBorderColor(quint32 value)
{
    storeBorderColor(value);
    paintFlat(white);
}

void TextOrv::storeBorderColor(quint32 value)
{
    m_borderColor = value;
}

void TextOrv::storeBorderColorFocus(quint32 value)
{
    m_borderColorFocus = value;
}

void TextOrv::applyStyle(OrvInput::Style value)
{
    m_style = value;
    if (value != OrvInput::Style::Standard) {
        setInnerLook(OrvInput::Appearance::Flat, false);
        layoutChildren();
        paintFlat(white);
    } else {
        frame().clearLines();
        layoutChildren();
        setInnerLook(OrvInput::Appearance::ThreeD, true);
        update();
    }
}

void TextOrv::loadStyle(OrvInput::Style value)
{
    m_style = value;
    if (value != OrvInput::Style::Standard) {
        layoutChildren();
        paintFlat(white);
    } else {
        setInnerBackground(Locked() ? greyedBackground : HostColor::window);
        setInnerLook(OrvInput::Appearance::ThreeD, true);
    }
}

void TextOrv::storeDigitAfterDecimal(short value)
{
    m_rules.digitAfterDecimal = value;
}

void TextOrv::storeTextCase(OrvInput::TextCase value)
{
    m_rules.textCase = savedInteger(value);
}

void TextOrv::storeFillColor(quint32 value)
{
    m_fillColor = value;
}

void TextOrv::applyErrorFlag(const QString &value)
{
    m_errorFlag = value;
    const bool inError = !value.isEmpty();
    frame().setShape(inError ? TextOrvFrame::errorShapeColour : TextOrvFrame::idleShapeColour,
                     TextOrvFrame::shapeLineWidth);
    m_text1->setToolTip(value);
    // The flat lines cover the frame element, so in the flat style they carry the red.
    if (m_style != OrvInput::Style::Standard)
        recolourFlat(inError ? TextOrvFrame::errorShapeColour : m_borderColor);
    update();
}
