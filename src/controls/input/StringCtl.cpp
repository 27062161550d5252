#include "StringCtl.h"

#include "platform/HostKeys.h"
#include "platform/TextRules.h"

namespace
{

constexpr int apostrophe = '\'';

QFont designFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

StringCtl::StringCtl(QWidget *parent) : InputField(parent, designFont(), 75, tr("Text")) {}

const ControlProperties<StringCtl> &StringCtl::properties()
{
    // Rows in the order a form saves and loads them.
    static const ControlProperties<StringCtl> rows{
        propertyRow<&StringCtl::Text, &StringCtl::applyText>("Text", QString()).signalledByControl(),
        propertyRow<&StringCtl::Enabled, &StringCtl::applyInnerEnabled>("Enabled", true),
        propertyRow<&StringCtl::MaxLength, &StringCtl::applyMaxLength>("MaxLength", short(75)),
        propertyRow<&StringCtl::FontName, &StringCtl::applyFontName>("FontName",
                                                                     QStringLiteral("Arial")),
        propertyRow<&StringCtl::FontSize, &StringCtl::applyFontSize>("FontSize", 8.0f),
        propertyRow<&StringCtl::FontBold, &StringCtl::applyFontBold>("FontBold", false),
        propertyRow<&StringCtl::Locked, &StringCtl::applyLocked>("Locked", false),
        propertyRow<&StringCtl::ErrorFlag, &StringCtl::applyErrorFlag>("ErrorFlag", QString())
            .notSaved(),
    };
    return rows;
}

void StringCtl::ReadProperties(const PropertyBag &bag)
{
    properties().read(*this, bag);
}

void StringCtl::WriteProperties(PropertyBag &bag) const
{
    properties().write(*this, bag);
}

CONTROL_PROPERTY_LET(StringCtl, properties, Text, const QString &)
CONTROL_PROPERTY_LET(StringCtl, properties, Enabled, bool)
CONTROL_PROPERTY_LET(StringCtl, properties, MaxLength, int)
CONTROL_PROPERTY_LET(StringCtl, properties, FontName, const QString &)
CONTROL_PROPERTY_LET(StringCtl, properties, FontSize, float)
CONTROL_PROPERTY_LET(StringCtl, properties, FontBold, bool)
CONTROL_PROPERTY_LET(StringCtl, properties, Locked, bool)
CONTROL_PROPERTY_LET(StringCtl, properties, ErrorFlag, const QString &)

// The text goes between single quotes in SQL, so a typed apostrophe is refused.
int StringCtl::filterCharacter(int code)
{
    return code == apostrophe ? 0 : code;
}

void StringCtl::entered()
{
    showFocusFrame();
    highlightField();
}

void StringCtl::left()
{
    showIdleFrame();
    unhighlightField();
    const QString capitalised = TextRules::properCase(Text());
    if (capitalised != Text())
        applyText(capitalised);
}
