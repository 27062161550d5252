#include "CmdLooks.h"

#include "CmdLookPainter.h"

namespace
{

using Mode = CmdCaptionMode;
using State = CmdLookState;
using Result = std::optional<CmdCaptionMode>;

Result boxedBevel(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const bool down = state == State::Down;
    const Mode mode =
        down ? Mode::Down : (state == State::Disabled ? Mode::DisabledEngraved : look.upMode());
    look.caption(mode);
    const quint32 light = down ? p.ShadowColor : p.HighlightColor;
    const quint32 dark = down ? p.HighlightColor : p.ShadowColor;
    look.frame3D(light, dark, light, dark, -1, false);
    look.box(0, 0, look.W, look.H, p.DarkShadowColor);
    if (state == State::Up)
        look.focus();
    return mode;
}

Result standard(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const bool defaultButton = look.s.showFocusRect && look.s.displayAsDefault;
    switch (state) {
    case State::Up:
        look.caption(look.upMode());
        if (defaultButton) {
            look.frame3D(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, -1,
                         false);
            look.focus();
            look.box(0, 0, look.W, look.H, p.DarkShadowColor);
        } else {
            look.frame3D(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0,
                         false);
        }
        return look.upMode();
    case State::Down:
        look.caption(Mode::Down);
        if (defaultButton) {
            look.box(0, 0, look.W, look.H, p.DarkShadowColor);
            look.box(1, 1, look.W - 2, look.H - 2, p.ShadowColor);
        } else {
            look.frame3D(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0,
                         false);
        }
        return Mode::Down;
    case State::Disabled:
        look.caption(Mode::DisabledEngraved);
        look.frame3D(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, false);
        return Mode::DisabledEngraved;
    }
    return std::nullopt;
}

// A box around the caption instead of the dotted mark.
void tintedFocusBox(const CmdLookPainter &look)
{
    if (!look.s.showFocusRect || !look.s.hasFocus)
        return;
    const CmdCaptionBox &text = look.s.captionBox;
    look.box(text.TextRect.left() - 2, text.TextRect.top() - 1, text.TextWidth + 4,
             text.TextHeight + 2, 0xCC9999);
}

Result tintedFlat(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const int W = look.W;
    const int H = look.H;
    switch (state) {
    case State::Up:
        look.rect(1, 1, W - 1, H - 1, look.shift(p.FaceColor, 12));
        look.caption(look.upMode());
        look.box(1, 1, W - 1, H - 1, p.HighlightColor);
        look.box(0, 0, W - 1, H - 1, look.shift(p.ShadowColor, -26));
        look.pixel(1, H - 2, look.shift(p.ShadowColor, 26));
        look.pixel(W - 2, 1, look.shift(p.ShadowColor, 26));
        tintedFocusBox(look);
        return look.upMode();
    case State::Down:
        look.rect(1, 1, W - 2, H - 2, look.shift(p.ShadowColor, 16));
        look.box(0, 0, W - 1, H - 1, look.shift(p.ShadowColor, -26));
        look.line(W - 1, 0, W - 1, H, p.HighlightColor);
        look.line(0, H - 1, W, H - 1, p.HighlightColor);
        // The pressed caption stays where it was, in the hover colour.
        look.caption(Mode::UpHovered);
        tintedFocusBox(look);
        return Mode::UpHovered;
    case State::Disabled:
        look.caption(Mode::DisabledFlat);
        look.box(0, 0, W, H, p.ShadowColor);
        return Mode::DisabledFlat;
    }
    return std::nullopt;
}

Result lightBevel(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const quint32 light = look.shift(p.LightColor, 8);
    const bool down = state == State::Down;
    const Mode mode =
        down ? Mode::Down : (state == State::Disabled ? Mode::DisabledFlat : look.upMode());
    look.caption(mode);
    look.frame3D(down ? p.ShadowColor : light, down ? light : p.ShadowColor,
                 down ? p.ShadowColor : light, down ? light : p.ShadowColor, 0, false);
    if (state != State::Disabled)
        look.focus();
    return mode;
}

// Types 7 and 8: a one-pixel bevel, always or only under the pointer.
Result thinBevel(const CmdLookPainter &look, State state, bool onlyHovered)
{
    const CmdPalette &p = look.p;
    switch (state) {
    case State::Up:
        look.caption(look.upMode());
        if (!onlyHovered || look.s.isOver)
            look.singleFrame(p.HighlightColor, p.ShadowColor);
        look.focus();
        return look.upMode();
    case State::Down:
        look.caption(Mode::Down);
        look.singleFrame(p.ShadowColor, p.HighlightColor);
        look.focus();
        return Mode::Down;
    case State::Disabled:
        look.caption(Mode::DisabledEngraved);
        if (!onlyHovered)
            look.singleFrame(p.HighlightColor, p.ShadowColor);
        return Mode::DisabledEngraved;
    }
    return std::nullopt;
}

Result selection(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const bool over = look.s.isOver;
    switch (state) {
    case State::Up:
        if (over) {
            look.rect(1, 1, look.W, look.H, p.SelectLightColor);
            look.caption(Mode::UpHovered);
            look.box(0, 0, look.W, look.H, p.SelectColor);
        } else {
            look.caption(Mode::Up);
        }
        look.focus();
        return look.upMode();
    case State::Down:
        if (over)
            look.rect(0, 0, look.W, look.H,
                      look.s.scheme == Cmd::ColorScheme::Custom
                          ? look.shift(p.SelectLightColor, -32)
                          : BlendToWhite(p.SelectColor, 128));
        look.caption(Mode::Down);
        look.box(0, 0, look.W, look.H, p.SelectColor);
        look.focus();
        return Mode::Down;
    case State::Disabled:
        return look.caption(Mode::DisabledFlat);
    }
    return std::nullopt;
}

// Types 11 (over the captured background) and 12 (a bevel under the pointer).
Result plainCaption(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    const bool hoverBevel = look.s.type == Cmd::ButtonType::HoverBevel;
    if (look.s.type == Cmd::ButtonType::ParentBackground && look.s.background)
        look.dc.blit(*look.s.background, 0, 0);
    switch (state) {
    case State::Up:
        look.caption(look.upMode());
        if (hoverBevel && look.s.isOver)
            look.frame3D(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0,
                         false);
        look.focus();
        return look.upMode();
    case State::Down:
        look.caption(Mode::Down);
        if (hoverBevel)
            look.frame3D(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0,
                         false);
        look.focus();
        return Mode::Down;
    case State::Disabled:
        return look.caption(Mode::DisabledEngraved);
    }
    return std::nullopt;
}

Result oval(const CmdLookPainter &look, State state)
{
    const CmdPalette &p = look.p;
    switch (state) {
    case State::Up:
        look.dc.ellipse(0, 0, look.W, look.H, look.s.isOver ? p.ShadowColor : p.FaceColor,
                        p.FaceColor);
        return look.caption(look.upMode());
    case State::Down:
        look.dc.ellipse(0, 0, look.W, look.H, p.DarkShadowColor, look.shift(p.FaceColor, -32));
        return look.caption(Mode::Down);
    case State::Disabled:
        return look.caption(Mode::DisabledEngraved);
    }
    return std::nullopt;
}

} // namespace

std::optional<CmdCaptionMode> DrawLook(const CmdScene &scene, CmdLookState state)
{
    const CmdLookPainter look(scene);
    switch (scene.type) {
    case Cmd::ButtonType::BoxedBevel:
        return boxedBevel(look, state);
    case Cmd::ButtonType::Standard:
        return standard(look, state);
    case Cmd::ButtonType::GlowGradient:
        return DrawGlowGradient(look, state);
    case Cmd::ButtonType::RoundedLight:
        return DrawRoundedLight(look, state);
    case Cmd::ButtonType::TintedFlat:
        return tintedFlat(look, state);
    case Cmd::ButtonType::LightBevel:
        return lightBevel(look, state);
    case Cmd::ButtonType::ThinBevel:
        return thinBevel(look, state, false);
    case Cmd::ButtonType::HoverThinBevel:
        return thinBevel(look, state, true);
    case Cmd::ButtonType::Selection:
        return selection(look, state);
    case Cmd::ButtonType::ParentBackground:
    case Cmd::ButtonType::HoverBevel:
        return plainCaption(look, state);
    case Cmd::ButtonType::Oval:
        return oval(look, state);
    case Cmd::ButtonType::FadedGradient:
        return DrawFadedGradient(look, state);
    case Cmd::ButtonType::FaceOnly:
        break;
    }
    return std::nullopt;
}
