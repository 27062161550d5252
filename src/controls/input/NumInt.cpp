#include "NumInt.h"

#include "platform/HostKeys.h"

namespace
{

QFont designFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

const QString shownZero = QStringLiteral("0");

} // namespace

NumInt::NumInt(QWidget *parent) : InputField(parent, designFont(), 10, tr("Number")) {}

const ControlProperties<NumInt> &NumInt::properties()
{
    // Rows in the order a form saves and loads them. Loading "Enabled" reaches the box only;
    // the control follows the box once "MaxLength" is loaded.
    static const ControlProperties<NumInt> rows{
        propertyRow<&NumInt::Text, &NumInt::applyText>("Text", QString()).signalledByControl(),
        propertyRow<&NumInt::Enabled, &NumInt::applyEnabled, &NumInt::applyInnerEnabled>("Enabled",
                                                                                         true),
        propertyRow<&NumInt::MaxLength, &NumInt::applyMaxLength, &NumInt::loadMaxLength>(
            "MaxLength", short(10)),
        propertyRow<&NumInt::BackColor, &NumInt::applyBackground>("BackColor",
                                                                  qint32(HostColor::window)),
        propertyRow<&NumInt::Locked, &NumInt::applyLocked>("Locked", false),
        propertyRow<&NumInt::FontName, &NumInt::applyFontName>("FontName", QStringLiteral("Arial")),
        propertyRow<&NumInt::FontSize, &NumInt::applyFontSize>("FontSize", 8.0f),
        propertyRow<&NumInt::ErrorFlag, &NumInt::applyErrorFlag>("ErrorFlag", QString()).notSaved(),
    };
    return rows;
}

void NumInt::ReadProperties(const PropertyBag &bag)
{
    properties().read(*this, bag);
}

void NumInt::WriteProperties(PropertyBag &bag) const
{
    properties().write(*this, bag);
}

CONTROL_PROPERTY_LET(NumInt, properties, Text, const QString &)
CONTROL_PROPERTY_LET(NumInt, properties, Enabled, bool)
CONTROL_PROPERTY_LET(NumInt, properties, MaxLength, int)
CONTROL_PROPERTY_LET(NumInt, properties, BackColor, quint32)
CONTROL_PROPERTY_LET(NumInt, properties, Locked, bool)
CONTROL_PROPERTY_LET(NumInt, properties, ErrorFlag, const QString &)
CONTROL_PROPERTY_LET(NumInt, properties, FontName, const QString &)
CONTROL_PROPERTY_LET(NumInt, properties, FontSize, float)

void NumInt::applyEnabled(bool value)
{
    applyInnerEnabled(value);
    setEnabled(value);
}

void NumInt::loadMaxLength(int value)
{
    applyMaxLength(value);
    setEnabled(Enabled());
}

// Digits and Backspace only: Enter, signs, points and the clipboard keys are refused.
int NumInt::filterCharacter(int code)
{
    const bool digit = code >= '0' && code <= '9';
    return digit || code == HostKeys::keyBackspace ? code : 0;
}

void NumInt::entered()
{
    showFocusFrame();
    if (Text() == shownZero)
        applyText(QString());
    highlightField();
}

void NumInt::left()
{
    showIdleFrame();
    if (Text().isEmpty())
        applyText(shownZero);
    unhighlightField();
}
