// The property tables of the two flat combo kinds and their assignments: each stores a new
// value and brings Combo1 or the band up to date; the table adds the early return, the
// form's notification and the change signal.
#include "FlatCombo.h"

#include "TextOrvFrame.h"
#include "controls/core/AmbientFont.h"
#include "controls/core/WidgetFont.h"

// Rows in the order a form saves and loads them. DataSource has no row: a live model has
// no saved form, so nothing is written for it and loading gives every control none.
ControlProperties<FlatCombo> FlatCombo::tableFor(const FlatComboKind &kind)
{
    using C = FlatCombo;
    const auto text =
        propertyRow<&C::Text, &C::applyText>("Text", QStringLiteral("Combo1")).signalledByControl();
    return {
        // A loaded error is kept but not shown until the error is assigned again; every
        // assignment shows its look, even over the focus colour with the value unchanged.
        propertyRow<&C::ErrorFlag, &C::applyErrorFlag, &C::storeErrorFlag>("ErrorFlag", QString())
            .alwaysApplied(),
        propertyRow<&C::savedFont, &C::applySavedFont>("Font", QString()),
        kind.loadsText ? text : text.writtenOnly(),
        propertyRow<&C::Enabled, &C::applyEnabled>("Enabled", true),
        propertyRow<&C::FontSize, &C::applyFontSize>("FontSize", 12.0f),
        propertyRow<&C::FontName, &C::applyFontName>("FontName", QStringLiteral("Arial"))
            .savedUnlessEqualTo(QString::fromLatin1(kind.fontNameLeftOutWhenSaving)),
        propertyRow<&C::listIndex, &C::applyListIndex>("listIndex", short(-1))
            .announcedAs("ListIndex")
            .notSaved(),
    };
}

const ControlProperties<FlatCombo> &FlatCombo::properties() const
{
    static const ControlProperties<FlatCombo> typing = tableFor(FlatComboKinds::typing);
    static const ControlProperties<FlatCombo> picking = tableFor(FlatComboKinds::picking);
    return &m_kind == &FlatComboKinds::typing ? typing : picking;
}

void FlatCombo::ReadProperties(const PropertyBag &bag)
{
    properties().read(*this, bag);
    letDataSource(nullptr);
}

void FlatCombo::WriteProperties(PropertyBag &bag) const
{
    properties().write(*this, bag);
}

CONTROL_PROPERTY_LET(FlatCombo, properties, ErrorFlag, const QString &)
CONTROL_PROPERTY_LET(FlatCombo, properties, Enabled, bool)
CONTROL_PROPERTY_LET(FlatCombo, properties, FontSize, float)
CONTROL_PROPERTY_LET(FlatCombo, properties, FontName, const QString &)

void FlatCombo::letFont(const QFont &value)
{
    properties().assign<&FlatCombo::savedFont>(*this, AmbientFont::saved(*this, value));
}

// A drop-down list shows only its items: a text that none of them has is refused.
void FlatCombo::letText(const QString &value)
{
    if (!m_combo->isEditable() && itemWithText(value) < 0)
        return;
    properties().assign<&FlatCombo::Text>(*this, value);
}

// An index that names no item, nor -1 for none, is refused.
void FlatCombo::letListIndex(short value)
{
    if (value < -1 || value >= ListCount())
        return;
    properties().assign<&FlatCombo::listIndex>(*this, value);
}

int FlatCombo::itemWithText(const QString &value) const
{
    return m_combo->findText(value, Qt::MatchExactly);
}

QString FlatCombo::savedFont() const
{
    return AmbientFont::saved(*this, m_combo->font());
}

// A description that names no font gives the ambient font.
void FlatCombo::applySavedFont(const QString &value)
{
    const QFont before = m_combo->font();
    m_combo->setFont(AmbientFont::loaded(*this, value).value_or(AmbientFont::of(*this)));
    // The name and size are parts of the font, so their watchers hear of it too.
    if (m_combo->font().family() != before.family())
        emit FontNameChanged();
    if (m_combo->font().pointSizeF() != before.pointSizeF())
        emit FontSizeChanged();
    layoutChildren();
}

void FlatCombo::applyErrorFlag(const QString &value)
{
    storeErrorFlag(value);
    const bool inError = !value.isEmpty();
    fillShape(inError ? TextOrvFrame::errorShapeColour : TextOrvFrame::idleShapeColour);
    m_combo->setToolTip(value);
    m_combo->setAccessibleDescription(value);
}

void FlatCombo::storeErrorFlag(const QString &value)
{
    m_errorFlag = value;
}

// A drop-down combo completes the text as if typed; a drop-down list shows the item of that
// text, if it has one.
void FlatCombo::applyText(const QString &value)
{
    if (!m_combo->isEditable()) {
        m_combo->setCurrentIndex(itemWithText(value));
        return;
    }
    m_assigningText = true;
    m_combo->setEditText(value);
    m_assigningText = false;
}

void FlatCombo::applyEnabled(bool value)
{
    m_combo->setEnabled(value);
}

void FlatCombo::applyFontSize(float value)
{
    if (value <= 0)
        return;
    editFont(*m_combo, [value](QFont &font) { font.setPointSizeF(value); });
    layoutChildren();
}

void FlatCombo::applyFontName(const QString &value)
{
    editFont(*m_combo, [&value](QFont &font) { font.setFamily(value); });
    layoutChildren();
}

// A typing box shows the item's text even when the item was already the current one.
void FlatCombo::applyListIndex(short value)
{
    m_combo->setCurrentIndex(value);
    if (m_combo->isEditable())
        m_combo->setEditText(value >= 0 ? m_combo->itemText(value) : QString());
}
