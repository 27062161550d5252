#include <array>

#include "CmdLookPainter.h"

namespace
{

using Mode = CmdCaptionMode;
using State = CmdLookState;

// The inner lines of the glow-gradient look, each one pixel in from the frame; the
// second line of a side is the first moved one pixel toward the centre.
enum class InnerLine { Bottom, SecondBottom, Right, SecondRight, Top, SecondTop, Left, SecondLeft };

void innerLine(const CmdLookPainter &look, InnerLine which, quint32 color)
{
    const int W = look.W;
    const int H = look.H;
    switch (which) {
    case InnerLine::Bottom:
        return look.line(2, H - 2, W - 2, H - 2, color);
    case InnerLine::SecondBottom:
        return look.line(2, H - 3, W - 2, H - 3, color);
    case InnerLine::Right:
        return look.line(W - 2, 2, W - 2, H - 2, color);
    case InnerLine::SecondRight:
        return look.line(W - 3, 2, W - 3, H - 2, color);
    case InnerLine::Top:
        return look.line(2, 1, W - 2, 1, color);
    case InnerLine::SecondTop:
        return look.line(2, 2, W - 2, 2, color);
    case InnerLine::Left:
        return look.line(1, 2, 1, H - 2, color);
    case InnerLine::SecondLeft:
        return look.line(2, 2, 2, H - 2, color);
    }
}

// All eight inner lines in their order, bottom to second left.
void innerLines(const CmdLookPainter &look, const std::array<quint32, 8> &colors)
{
    for (int k = 0; k < 8; ++k)
        innerLine(look, InnerLine(k), colors[k]);
}

std::array<quint32, 8> shiftedLines(const CmdLookPainter &look, quint32 base,
                                    const std::array<int, 8> &amounts)
{
    std::array<quint32, 8> colors;
    for (int k = 0; k < 8; ++k)
        colors[k] = look.shiftBlue(base, amounts[k]);
    return colors;
}

void glowFrame(const CmdLookPainter &look)
{
    look.box(0, 0, look.W, look.H, 0x733C00);
    look.innerCorners(0x7B4D10);
}

// The blue glow of a focused or default button, and the amber glow under the pointer.
struct Glow {
    quint32 bottom;
    quint32 top;
    quint32 secondTop;
    quint32 sides;
};

void glow(const CmdLookPainter &look, const Glow &colors)
{
    innerLine(look, InnerLine::Bottom, colors.bottom);
    innerLine(look, InnerLine::Top, colors.top);
    innerLine(look, InnerLine::SecondTop, colors.secondTop);
    innerLine(look, InnerLine::SecondLeft, colors.sides);
    innerLine(look, InnerLine::SecondRight, colors.sides);
}

void roundedLightUp(const CmdLookPainter &look, Mode mode)
{
    const CmdPalette &p = look.p;
    const int W = look.W;
    const int H = look.H;
    look.rect(1, 1, W - 2, H - 2, p.LightColor);
    look.caption(mode);
    look.box(0, 0, W, H, p.DarkShadowColor);
    look.innerCorners(p.DarkShadowColor);
    look.line(1, 2, 2, 0, p.FaceColor);
    look.line(3, 2, W - 3, 2, p.HighlightColor);
    look.line(2, 2, 2, H - 3, p.HighlightColor);
    look.pixel(3, 3, p.HighlightColor);
    look.line(W - 3, 1, W - 3, H - 3, p.FaceColor);
    look.line(1, H - 3, W - 3, H - 3, p.FaceColor);
    look.pixel(W - 4, H - 4, p.FaceColor);
    look.line(W - 2, 2, W - 2, H - 2, p.ShadowColor);
    look.line(2, H - 2, W - 2, H - 2, p.ShadowColor);
    look.pixel(W - 3, H - 3, p.ShadowColor);
}

void roundedLightDown(const CmdLookPainter &look)
{
    const CmdPalette &p = look.p;
    const int W = look.W;
    const int H = look.H;
    const quint32 deep = look.shift(p.ShadowColor, -16);
    const quint32 darker = look.shift(p.ShadowColor, -32);
    const quint32 darkest = look.shift(p.ShadowColor, -64);
    look.rect(1, 1, W - 2, H - 2, deep);
    // The caption's effects take the pressed face as their base.
    CmdScene pressed = look.s;
    pressed.palette.TypeFaceColor = deep;
    DrawCaption(pressed, Mode::Down);
    look.box(0, 0, W, H, p.DarkShadowColor);
    look.box(1, 1, W - 2, H - 2, darkest);
    look.box(2, 2, W - 4, H - 4, darker);
    look.pixel(2, 2, darkest);
    look.pixel(3, 3, darker);
    look.innerCorners(p.DarkShadowColor);
    look.line(W - 3, 1, W - 3, H - 3, p.ShadowColor);
    look.line(1, H - 3, W - 2, H - 3, p.ShadowColor);
    look.pixel(W - 4, H - 4, p.ShadowColor);
    look.line(W - 2, 3, W - 2, H - 2, deep);
    look.line(3, H - 2, W - 2, H - 2, deep);
    look.line(W - 2, H - 3, W - 4, H - 1, darker);
    look.pixel(2, H - 2, darker);
    look.pixel(W - 2, 2, darker);
}

void fadedGradientFace(const CmdLookPainter &look)
{
    for (int i = 1; i <= look.H; ++i)
        look.line(0, i, look.W, i, look.shift(look.p.HighlightColor, look.gradientStep(58, i)));
}

void fadedGradientFrame(const CmdLookPainter &look)
{
    const CmdPalette &p = look.p;
    const int W = look.W;
    const int H = look.H;
    look.box(0, 0, W, H, look.shift(p.ShadowColor, -50));
    look.box(1, 1, W - 2, H - 2, look.shift(p.FaceColor, -9));
    look.rect(2, 2, W - 4, 2, p.HighlightColor);
    look.rect(2, 4, 2, H - 6, p.HighlightColor);
}

} // namespace

std::optional<CmdCaptionMode> DrawGlowGradient(const CmdLookPainter &look, CmdLookState state)
{
    const CmdScene &s = look.s;
    const quint32 typeFace = look.p.TypeFaceColor;
    switch (state) {
    case State::Up: {
        for (int i = 1; i <= look.H; ++i)
            look.line(0, i, look.W, i, look.shiftBlue(typeFace, look.gradientStep(25, i)));
        look.caption(look.upMode());
        glowFrame(look);
        const bool marked = s.showFocusRect && (s.hasFocus || s.displayAsDefault);
        if (!s.isOver && !marked)
            innerLines(look, shiftedLines(look, typeFace, {-48, -32, -36, -24, 16, 10, -5, -10}));
        if (marked) {
            look.box(1, 2, look.W - 2, look.H - 4, 0xE7AE8C);
            glow(look, {0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5});
        }
        if (s.isOver)
            glow(look, {0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF});
        return look.upMode();
    }
    case State::Down: {
        const quint32 base = look.shiftBlue(typeFace, -32);
        for (int i = 1; i <= look.H; ++i)
            look.line(0, look.H - i, look.W, look.H - i,
                      look.shiftBlue(base, look.gradientStep(25, i)));
        look.caption(Mode::Down);
        glowFrame(look);
        std::array<quint32, 8> colors =
            shiftedLines(look, base, {16, 10, 5, 0, -32, -24, -32, -22});
        colors[int(InnerLine::SecondRight)] = typeFace;
        innerLines(look, colors);
        return Mode::Down;
    }
    case State::Disabled:
        look.rect(0, 0, look.W, look.H, look.shiftBlue(typeFace, -24));
        look.caption(Mode::DisabledGradient);
        look.box(0, 0, look.W, look.H, look.shiftBlue(typeFace, -84));
        look.innerCorners(look.shiftBlue(typeFace, -72));
        return Mode::DisabledGradient;
    }
    return std::nullopt;
}

std::optional<CmdCaptionMode> DrawRoundedLight(const CmdLookPainter &look, CmdLookState state)
{
    switch (state) {
    case State::Up:
        roundedLightUp(look, look.upMode());
        return look.upMode();
    case State::Down:
        roundedLightDown(look);
        return Mode::Down;
    case State::Disabled:
        roundedLightUp(look, Mode::DisabledEngraved);
        return Mode::DisabledEngraved;
    }
    return std::nullopt;
}

std::optional<CmdCaptionMode> DrawFadedGradient(const CmdLookPainter &look, CmdLookState state)
{
    const CmdScene &s = look.s;
    const CmdPalette &p = look.p;
    switch (state) {
    case State::Up: {
        if (s.isOver)
            look.rect(0, 0, look.W, look.H, p.LightColor);
        else
            fadedGradientFace(look);
        CmdScene captionScene = s;
        if (s.displayAsDefault && s.boldCaption) {
            captionScene.caption = s.boldCaption;
            captionScene.captionBox = s.boldCaptionBox;
        }
        DrawCaption(captionScene, look.upMode());
        fadedGradientFrame(look);
        look.focus();
        return look.upMode();
    }
    case State::Down:
        look.rect(1, 1, look.W, look.H, look.shift(p.FaceColor, -9));
        look.box(0, 0, look.W, look.H, look.shift(p.ShadowColor, -48));
        look.line(2, look.H - 2, look.W - 2, look.H - 2, p.HighlightColor);
        look.line(look.W - 2, 2, look.W - 2, look.H - 1, p.HighlightColor);
        look.caption(Mode::DownFaded);
        look.focus();
        return Mode::DownFaded;
    case State::Disabled:
        fadedGradientFace(look);
        look.caption(Mode::DisabledFaded);
        fadedGradientFrame(look);
        return Mode::DisabledFaded;
    }
    return std::nullopt;
}
