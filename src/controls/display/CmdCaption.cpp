#include "CmdCaption.h"

#include "platform/DeviceContext.h"
#include "platform/DeviceText.h"

namespace
{

void drawText(const CmdScene &scene, const QRect &rect, quint32 color)
{
    if (scene.caption)
        scene.dc.text(*scene.caption, rect.left(), rect.top(), color);
}

quint32 effectBase(const CmdScene &scene, bool up)
{
    switch (scene.type) {
    case Cmd::ButtonType::GlowGradient:
    case Cmd::ButtonType::RoundedLight:
    case Cmd::ButtonType::FadedGradient:
        return scene.palette.TypeFaceColor;
    case Cmd::ButtonType::Selection:
        if (up && scene.isOver && scene.scheme != Cmd::ColorScheme::Custom)
            return scene.palette.SelectLightColor;
        break;
    default:
        break;
    }
    return scene.palette.FaceColor;
}

} // namespace

void DrawCaptionEffect(const CmdScene &scene, const QRect &rect, bool up)
{
    if (scene.effect == Cmd::SpecialEffect::None)
        return;
    const quint32 base = effectBase(scene, up);
    const int first = scene.effect == Cmd::SpecialEffect::Engraved ? 40 : -40;
    drawText(scene, rect.translated(1, 1), ShiftColor(base, first, scene.softBevel));
    if (scene.effect == Cmd::SpecialEffect::Raised || scene.effect == Cmd::SpecialEffect::Engraved)
        drawText(scene, rect.translated(-1, -1), ShiftColor(base, -first, scene.softBevel));
}

CmdCaptionMode DrawCaption(const CmdScene &scene, CmdCaptionMode mode)
{
    const CmdPalette &p = scene.palette;
    const QRect &up = scene.captionBox.TextRect;
    const QRect &down = scene.captionBox.TextRectDown;
    switch (mode) {
    case CmdCaptionMode::Up:
        DrawCaptionEffect(scene, up, true);
        drawText(scene, up, p.TextColor);
        break;
    case CmdCaptionMode::UpHovered:
        DrawCaptionEffect(scene, up, true);
        drawText(scene, up, p.TextOverColor);
        break;
    case CmdCaptionMode::Down:
        DrawCaptionEffect(scene, down, false);
        drawText(scene, down,
                 scene.type == Cmd::ButtonType::RoundedLight ? p.LightColor : p.TextOverColor);
        break;
    case CmdCaptionMode::DisabledEngraved:
        drawText(scene, down, p.HighlightColor);
        drawText(scene, up, p.ShadowColor);
        break;
    case CmdCaptionMode::DisabledFlat:
        drawText(scene, up, p.ShadowColor);
        break;
    case CmdCaptionMode::DisabledGradient:
        drawText(scene, up, ShiftColor(p.TypeFaceColor, -104, scene.softBevel, true));
        break;
    case CmdCaptionMode::DisabledFaded:
        drawText(scene, down, p.HighlightColor);
        drawText(scene, up, p.FaceColor);
        break;
    case CmdCaptionMode::DownFaded:
        drawText(scene, down, ShiftColor(p.ShadowColor, -50, scene.softBevel));
        drawText(scene, up, p.HighlightColor);
        break;
    }
    return mode;
}
