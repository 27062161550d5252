// The property assignments of `cmd`: each stores a new value, brings the colours,
// layout or shape up to date, draws again where the look depends on it, and
// announces the change.
#include "cmd.h"

namespace
{

template <typename T> bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

template <typename T>
void cmd::assignProperty(T &field, const T &value, Follow follow, void (cmd::*changed)())
{
    if (!assign(field, value))
        return;
    if (follow == Follow::Palette)
        ComputePalette();
    else if (follow == Follow::Layout)
        LayoutCaption();
    redrawLast();
    emit(this->*changed)();
}

void cmd::letBackColor(quint32 value)
{
    assignProperty(m_properties.BackColor, value, Follow::Palette, &cmd::BackColorChanged);
}

void cmd::letBackOver(quint32 value)
{
    assignProperty(m_properties.BackOver, value, Follow::Palette, &cmd::BackOverChanged);
}

void cmd::letForeColor(quint32 value)
{
    assignProperty(m_properties.ForeColor, value, Follow::Palette, &cmd::ForeColorChanged);
}

void cmd::letForeOver(quint32 value)
{
    assignProperty(m_properties.ForeOver, value, Follow::Palette, &cmd::ForeOverChanged);
}

void cmd::letMaskColor(quint32 value)
{
    assignProperty(m_properties.MaskColor, value, Follow::Palette, &cmd::MaskColorChanged);
}

void cmd::letButtonType(Cmd::ButtonType value)
{
    if (!assign(m_properties.ButtonType, value))
        return;
    if (value == Cmd::ButtonType::ParentBackground && m_canRedraw && isVisible())
        CaptureBackground();
    // The base of the gradient depends on the type.
    ComputePalette();
    resizeButton();
    emit ButtonTypeChanged();
}

void cmd::letCaption(const QString &value)
{
    assignProperty(m_properties.Caption, value, Follow::Layout, &cmd::CaptionChanged);
}

void cmd::letEnabled(bool value)
{
    if (value == isEnabled())
        return;
    setEnabled(value);
    emit EnabledChanged();
}

void cmd::letColorScheme(Cmd::ColorScheme value)
{
    if (!assign(m_properties.ColorScheme, value))
        return;
    ComputePalette();
    Redraw(Cmd::DrawState::Up, true);
    emit ColorSchemeChanged();
}

void cmd::letShowFocusRect(bool value)
{
    assignProperty(m_properties.ShowFocusRect, value, Follow::Redraw, &cmd::ShowFocusRectChanged);
}

void cmd::letSoftBevel(bool value)
{
    // The derived edges soften at once, whatever the order in which a form assigns its
    // properties.
    assignProperty(m_properties.SoftBevel, value, Follow::Palette, &cmd::SoftBevelChanged);
}

void cmd::letPicturePosition(Cmd::PicturePosition value)
{
    assignProperty(m_properties.PicturePosition, value, Follow::Layout,
                   &cmd::PicturePositionChanged);
}

void cmd::letPictureNormal(const CmdPicture &value)
{
    assignProperty(m_properties.PictureNormal, value, Follow::Layout, &cmd::PictureNormalChanged);
}

void cmd::letPictureOver(const CmdPicture &value)
{
    if (!assign(m_properties.PictureOver, value))
        return;
    if (m_isOver)
        redrawLast();
    emit PictureOverChanged();
}

void cmd::letUseMaskColor(bool value)
{
    if (!assign(m_properties.UseMaskColor, value))
        return;
    if (!m_properties.PictureNormal.isNull())
        redrawLast();
    emit UseMaskColorChanged();
}

void cmd::letUseGreyscale(bool value)
{
    if (!assign(m_properties.UseGreyscale, value))
        return;
    if (!m_properties.PictureNormal.isNull())
        redrawLast();
    emit UseGreyscaleChanged();
}

void cmd::letSpecialEffect(Cmd::SpecialEffect value)
{
    assignProperty(m_properties.SpecialEffect, value, Follow::Redraw, &cmd::SpecialEffectChanged);
}

void cmd::letCheckBoxBehaviour(bool value)
{
    assignProperty(m_properties.CheckBoxBehaviour, value, Follow::Redraw,
                   &cmd::CheckBoxBehaviourChanged);
}

void cmd::letValue(bool value)
{
    if (!assign(m_properties.Value, value))
        return;
    if (m_properties.CheckBoxBehaviour)
        Redraw(Cmd::DrawState::Up, true);
    emit ValueChanged();
}

void cmd::letDisplayAsDefault(bool value)
{
    assignProperty(m_displayAsDefault, value, Follow::Redraw, &cmd::DisplayAsDefaultChanged);
}
