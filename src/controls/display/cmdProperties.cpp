// The property table of `cmd` and its assignments: each stores a new value, brings the
// colours, layout or shape up to date, draws again where the look depends on it; the
// table adds the early return, the form's notification and the change signal.
#include "cmd.h"

namespace
{

// What a saved hover colour holds when it follows the plain colour: never a colour.
constexpr qint64 sameAsPlain = -1;

} // namespace

const ControlProperties<cmd> &cmd::table()
{
    // Rows in the order a form loads them.
    static const ControlProperties<cmd> rows{
        propertyRow<&cmd::ButtonType, &cmd::applyButtonType>("ButtonType",
                                                             Cmd::ButtonType::Standard)
            .savedAs("BTYPE")
            .initialised(),
        propertyRow<&cmd::Caption, &cmd::applyCaption>("Caption", QString()).savedAs("TX"),
        propertyRow<&cmd::Enabled, &cmd::applyEnabled>("Enabled", true)
            .savedAs("ENAB")
            .initialised(),
        propertyRow<&cmd::Font, &cmd::applyFont>("Font", QFont()).announcedAs("FONT").notSaved(),
        propertyRow<&cmd::savedFont, &cmd::loadSavedFont>("SavedFont", QString())
            .savedAs("FONT")
            .notAnnounced(),
        propertyRow<&cmd::ColorScheme, &cmd::applyColorScheme>("ColorScheme",
                                                               Cmd::ColorScheme::System)
            .savedAs("COLTYPE")
            .initialised(),
        propertyRow<&cmd::ShowFocusRect, &cmd::store<&CmdProperties::ShowFocusRect, Follow::Redraw>>(
            "ShowFocusRect", true)
            .savedAs("FOCUSR")
            .initialised(),
        propertyRow<&cmd::BackColor, &cmd::store<&CmdProperties::BackColor, Follow::Palette>>(
            "BackColor", qint64(TranslateColor(CmdButtonFace)))
            .savedAs("BCOL"),
        propertyRow<&cmd::BackOver, &cmd::store<&CmdProperties::BackOver, Follow::Palette>>(
            "BackOver", qint64(0))
            .announcedAs("BCOLO")
            .notSaved(),
        propertyRow<&cmd::savedBackOver, &cmd::loadBackOver>("SavedBackOver", sameAsPlain)
            .savedAs("BCOLO")
            .notAnnounced(),
        propertyRow<&cmd::ForeColor, &cmd::store<&CmdProperties::ForeColor, Follow::Palette>>(
            "ForeColor", qint64(TranslateColor(CmdButtonText)))
            .savedAs("FCOL"),
        propertyRow<&cmd::ForeOver, &cmd::store<&CmdProperties::ForeOver, Follow::Palette>>(
            "ForeOver", qint64(0))
            .announcedAs("FCOLO")
            .notSaved(),
        propertyRow<&cmd::savedForeOver, &cmd::loadForeOver>("SavedForeOver", sameAsPlain)
            .savedAs("FCOLO")
            .notAnnounced(),
        propertyRow<&cmd::MaskColor, &cmd::store<&CmdProperties::MaskColor, Follow::Palette>>(
            "MaskColor", qint64(0xC0C0C0))
            .savedAs("MCOL")
            .initialised(),
        propertyRow<&cmd::MousePointer, &cmd::applyPointer>("MousePointer", short(0))
            .savedAs("MPTR"),
        propertyRow<&cmd::MouseIcon, &cmd::applyMouseIcon>("MouseIcon", QString())
            .savedAs("MICON"),
        propertyRow<&cmd::PictureNormal,
                    &cmd::store<&CmdProperties::PictureNormal, Follow::Layout>>("PictureNormal",
                                                                                QString())
            .savedAs("PICN"),
        propertyRow<&cmd::PictureOver, &cmd::applyPictureOver>("PictureOver", QString())
            .savedAs("PICH")
            .announcedAs("PICO"),
        propertyRow<&cmd::UseMaskColor, &cmd::applyUseMaskColor>("UseMaskColor", true)
            .savedAs("UMCOL")
            .initialised(),
        propertyRow<&cmd::SoftBevel, &cmd::store<&CmdProperties::SoftBevel, Follow::Palette>>(
            "SoftBevel", false)
            .savedAs("SOFT"),
        propertyRow<&cmd::PicturePosition,
                    &cmd::store<&CmdProperties::PicturePosition, Follow::Layout>>(
            "PicturePosition", Cmd::PicturePosition::Left)
            .savedAs("PICPOS"),
        propertyRow<&cmd::UseGreyscale, &cmd::applyUseGreyscale>("UseGreyscale", false)
            .savedAs("NGREY"),
        propertyRow<&cmd::SpecialEffect, &cmd::store<&CmdProperties::SpecialEffect, Follow::Redraw>>(
            "SpecialEffect", Cmd::SpecialEffect::None)
            .savedAs("FX"),
        propertyRow<&cmd::HandPointer, &cmd::applyHandPointer, &cmd::loadHandPointer>(
            "HandPointer", false)
            .savedAs("HAND"),
        propertyRow<&cmd::CheckBoxBehaviour,
                    &cmd::store<&CmdProperties::CheckBoxBehaviour, Follow::Redraw>>(
            "CheckBoxBehaviour", false)
            .savedAs("CHECK"),
        propertyRow<&cmd::Value, &cmd::applyValue>("Value", false).savedAs("VALUE"),
    };
    return rows;
}

void cmd::InitProperties()
{
    table().init(*this);
    // The form's own font stays the button's, and its name for the button is the caption.
    applyCaption(objectName());
    ComputePalette();
    m_properties.BackColor = m_properties.BackOver = m_palette.FaceColor;
    m_properties.ForeColor = m_properties.ForeOver = m_palette.TextColor;
    ComputePalette();
    LayoutCaption();
    redrawLast();
}

void cmd::ReadProperties(const PropertyBag &bag)
{
    // One drawing at the end rather than one a property.
    const bool couldRedraw = m_canRedraw;
    m_canRedraw = false;
    table().read(*this, bag);
    m_canRedraw = couldRedraw;
    ComputePalette();
    LayoutCaption();
    SetAccessKey();
    redrawLast();
}

void cmd::WriteProperties(PropertyBag &bag) const
{
    table().write(*this, bag);
}

void cmd::follow(Follow what)
{
    if (what == Follow::Palette)
        ComputePalette();
    else if (what == Follow::Layout)
        LayoutCaption();
    redrawLast();
}

CONTROL_PROPERTY_LET(cmd, table, BackColor, quint32)
CONTROL_PROPERTY_LET(cmd, table, BackOver, quint32)
CONTROL_PROPERTY_LET(cmd, table, ForeColor, quint32)
CONTROL_PROPERTY_LET(cmd, table, ForeOver, quint32)
CONTROL_PROPERTY_LET(cmd, table, MaskColor, quint32)
CONTROL_PROPERTY_LET(cmd, table, ButtonType, Cmd::ButtonType)
CONTROL_PROPERTY_LET(cmd, table, Caption, const QString &)
CONTROL_PROPERTY_LET(cmd, table, Enabled, bool)
CONTROL_PROPERTY_LET(cmd, table, Font, const QFont &)
CONTROL_PROPERTY_LET(cmd, table, ColorScheme, Cmd::ColorScheme)
CONTROL_PROPERTY_LET(cmd, table, ShowFocusRect, bool)
CONTROL_PROPERTY_LET(cmd, table, MousePointer, short)
CONTROL_PROPERTY_LET(cmd, table, MouseIcon, const CmdPicture &)
CONTROL_PROPERTY_LET(cmd, table, HandPointer, bool)
CONTROL_PROPERTY_LET(cmd, table, SoftBevel, bool)
CONTROL_PROPERTY_LET(cmd, table, PictureNormal, const CmdPicture &)
CONTROL_PROPERTY_LET(cmd, table, PictureOver, const CmdPicture &)
CONTROL_PROPERTY_LET(cmd, table, PicturePosition, Cmd::PicturePosition)
CONTROL_PROPERTY_LET(cmd, table, UseMaskColor, bool)
CONTROL_PROPERTY_LET(cmd, table, UseGreyscale, bool)
CONTROL_PROPERTY_LET(cmd, table, SpecialEffect, Cmd::SpecialEffect)
CONTROL_PROPERTY_LET(cmd, table, CheckBoxBehaviour, bool)
CONTROL_PROPERTY_LET(cmd, table, Value, bool)

void cmd::applyButtonType(Cmd::ButtonType value)
{
    m_properties.ButtonType = value;
    if (value == Cmd::ButtonType::ParentBackground && m_canRedraw && isVisible())
        CaptureBackground();
    // The base of the gradient depends on the type.
    ComputePalette();
    resizeButton();
}

void cmd::applyCaption(const QString &value)
{
    m_properties.Caption = value;
    SetAccessKey();
    follow(Follow::Layout);
}

void cmd::applyEnabled(bool value)
{
    const bool wasEnabled = isEnabled();
    setEnabled(value);
    // Inside a disabled window the widget's state stays and no change event comes, but the
    // look follows the button's own setting.
    if (isEnabled() == wasEnabled)
        redrawLast();
}

void cmd::applyColorScheme(Cmd::ColorScheme value)
{
    m_properties.ColorScheme = value;
    ComputePalette();
    Redraw(Cmd::DrawState::Up, true);
}

void cmd::applyPointer(short value)
{
    m_properties.MousePointer = value;
    showPointer();
}

void cmd::applyMouseIcon(const CmdPicture &value)
{
    m_properties.MouseIcon = value;
    showPointer();
}

void cmd::applyPictureOver(const CmdPicture &value)
{
    m_properties.PictureOver = value;
    // Only a hovered button shows it.
    if (m_isOver)
        redrawLast();
}

void cmd::applyPictureFlag(bool CmdProperties::*field, bool value)
{
    m_properties.*field = value;
    if (!m_properties.PictureNormal.isNull())
        redrawLast();
}

void cmd::applyValue(bool value)
{
    m_properties.Value = value;
    if (m_properties.CheckBoxBehaviour)
        Redraw(Cmd::DrawState::Up, true);
}

QString cmd::savedFont() const
{
    // A font the form never set is the form's own, which the form keeps.
    return testAttribute(Qt::WA_SetFont) ? font().toString() : QString();
}

void cmd::loadSavedFont(const QString &saved)
{
    QFont loaded;
    if (!saved.isEmpty() && loaded.fromString(saved))
        setFont(loaded);
}

qint64 cmd::savedBackOver() const
{
    return BackOver() == BackColor() ? sameAsPlain : qint64(BackOver());
}

void cmd::loadBackOver(qint64 saved)
{
    store<&CmdProperties::BackOver, Follow::Palette>(saved == sameAsPlain ? BackColor()
                                                                          : quint32(saved));
}

qint64 cmd::savedForeOver() const
{
    return ForeOver() == ForeColor() ? sameAsPlain : qint64(ForeOver());
}

void cmd::loadForeOver(qint64 saved)
{
    store<&CmdProperties::ForeOver, Follow::Palette>(saved == sameAsPlain ? ForeColor()
                                                                          : quint32(saved));
}

template <typename Change> void cmd::changeFont(Change change)
{
    QFont changed = font();
    change(changed);
    if (changed == font())
        return;
    setFont(changed);
    emit FontChanged();
}

void cmd::letFontBold(bool value)
{
    changeFont([value](QFont &f) { f.setBold(value); });
}

void cmd::letFontItalic(bool value)
{
    changeFont([value](QFont &f) { f.setItalic(value); });
}

void cmd::letFontUnderline(bool value)
{
    changeFont([value](QFont &f) { f.setUnderline(value); });
}

void cmd::letFontSize(float value)
{
    changeFont([value](QFont &f) { f.setPointSizeF(value); });
}

void cmd::letFontName(const QString &value)
{
    changeFont([&value](QFont &f) { f.setFamily(value); });
}

void cmd::letDisplayAsDefault(bool value)
{
    if (value == m_displayAsDefault)
        return;
    m_displayAsDefault = value;
    redrawLast();
    emit DisplayAsDefaultChanged();
}
