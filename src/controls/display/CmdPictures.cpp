#include "CmdPictures.h"

#include "CmdCaption.h"
#include "CmdPicture.h"
#include "CmdPictureRender.h"
#include "platform/DeviceContext.h"

namespace
{

struct PictureDraw {
    int dx = 0;
    int dy = 0;
    std::optional<quint32> shade;
    bool darkOnly = false;
    bool greyscale = false;
    bool blend = false;
};

void draw(const CmdScene &scene, const CmdPicture &picture, const PictureDraw &how)
{
    const quint32 mask = scene.palette.MaskColorValue;
    CmdPictureBlit blit;
    blit.box = scene.pictureBox.translated(how.dx, how.dy);
    if (scene.useMaskColor)
        blit.transparent = mask;
    blit.shade = how.shade;
    blit.darkOnly = how.darkOnly;
    blit.greyscale = how.greyscale;
    blit.blend = how.blend;
    DrawPicture(scene.dc.image(), picture.pixels(scene.pictureBox.size(), mask), blit);
}

PictureDraw at(int d)
{
    PictureDraw how;
    how.dx = how.dy = d;
    return how;
}

PictureDraw silhouette(int d, quint32 colour, bool darkOnly)
{
    PictureDraw how = at(d);
    how.shade = colour;
    how.darkOnly = darkOnly;
    return how;
}

void drawUp(const CmdScene &scene, const CmdPicture &normal, const CmdPicture *over)
{
    const bool selection = scene.type == Cmd::ButtonType::Selection;
    if (scene.isOver && selection) {
        // A lifted picture over its own shadow.
        DrawPictureEffect(scene, -1, normal);
        draw(scene, normal, silhouette(1, scene.palette.ShadowColor, false));
        draw(scene, normal, at(-1));
    } else if (scene.isOver) {
        const CmdPicture &shown = over ? *over : normal;
        DrawPictureEffect(scene, 0, shown);
        draw(scene, shown, at(0));
    } else {
        DrawPictureEffect(scene, 0, normal);
        PictureDraw how = at(0);
        how.greyscale = scene.useGreyscale;
        how.blend = selection;
        draw(scene, normal, how);
    }
}

void drawDown(const CmdScene &scene, const CmdPicture &normal, const CmdPicture *over)
{
    const bool tinted = scene.type == Cmd::ButtonType::TintedFlat;
    const bool selection = scene.type == Cmd::ButtonType::Selection;
    if (over && !selection) {
        draw(scene, *over, at(tinted ? 0 : 1));
    } else if (!tinted && !selection) {
        DrawPictureEffect(scene, 1, normal);
        draw(scene, normal, at(1));
    } else {
        DrawPictureEffect(scene, 0, normal);
        draw(scene, normal, at(0));
    }
}

void drawDisabled(const CmdScene &scene, const CmdPicture &normal)
{
    const CmdPalette &p = scene.palette;
    switch (scene.type) {
    case Cmd::ButtonType::GlowGradient: {
        PictureDraw how = at(1);
        how.greyscale = true;
        draw(scene, normal, how);
        break;
    }
    case Cmd::ButtonType::TintedFlat:
    case Cmd::ButtonType::LightBevel:
        draw(scene, normal, silhouette(0, p.ShadowColor, true));
        break;
    case Cmd::ButtonType::Selection:
        draw(scene, normal, silhouette(0, ShiftColor(p.ShadowColor, 13, scene.softBevel), true));
        break;
    default:
        draw(scene, normal, silhouette(1, p.HighlightColor, true));
        draw(scene, normal, silhouette(0, p.ShadowColor, true));
        break;
    }
}

} // namespace

void DrawPictureEffect(const CmdScene &scene, int offset, const CmdPicture &picture)
{
    if (scene.effect == Cmd::SpecialEffect::None)
        return;
    const CmdPalette &p = scene.palette;
    quint32 base = p.SelectLightColor;
    if (scene.type == Cmd::ButtonType::GlowGradient)
        base = p.TypeFaceColor;
    else if (offset != -1 || scene.scheme == Cmd::ColorScheme::Custom)
        base = p.FaceColor;
    const int first = scene.effect == Cmd::SpecialEffect::Engraved ? 40 : -40;
    draw(scene, picture, silhouette(1 + offset, ShiftColor(base, first, scene.softBevel), false));
    if (scene.effect == Cmd::SpecialEffect::Raised || scene.effect == Cmd::SpecialEffect::Engraved)
        draw(scene, picture,
             silhouette(-1 + offset, ShiftColor(base, -first, scene.softBevel), false));
}

void DrawPictures(const CmdScene &scene, CmdPictureMode mode, CmdCaptionMode captionMode)
{
    if (!scene.pictureNormal)
        return;
    switch (mode) {
    case CmdPictureMode::Up:
        drawUp(scene, *scene.pictureNormal, scene.pictureOver);
        break;
    case CmdPictureMode::Down:
        drawDown(scene, *scene.pictureNormal, scene.pictureOver);
        break;
    case CmdPictureMode::Disabled:
        drawDisabled(scene, *scene.pictureNormal);
        break;
    }
    if (scene.picturePosition == Cmd::PicturePosition::Behind)
        DrawCaption(scene, captionMode);
}
