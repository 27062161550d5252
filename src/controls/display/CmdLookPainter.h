#pragma once

#include <cmath>
#include <optional>

#include "CmdCaption.h"
#include "CmdLooks.h"
#include "platform/DeviceContext.h"

// The vocabulary the looks are written in: the primitives at the scene's size, the
// colour shifts under the scene's soft bevel, the bevel frame and the focus mark.
class CmdLookPainter
{
public:
    explicit CmdLookPainter(const CmdScene &scene)
        : s(scene), p(scene.palette), dc(scene.dc), W(scene.W), H(scene.H)
    {
    }

    quint32 shift(quint32 color, int amount) const
    {
        return ShiftColor(color, amount, s.softBevel);
    }
    quint32 shiftBlue(quint32 color, int amount) const
    {
        return ShiftColor(color, amount, s.softBevel, true);
    }
    // The gradient's shift of line i: round(−(steps / H) · i), halves to even.
    int gradientStep(double steps, int i) const { return int(std::nearbyint(-(steps / H) * i)); }

    void rect(int x, int y, int w, int h, quint32 color) const { dc.fillRect(x, y, w, h, color); }
    void box(int x, int y, int w, int h, quint32 color) const { dc.frameRect(x, y, w, h, color); }
    void line(int x1, int y1, int x2, int y2, quint32 color) const
    {
        dc.line(x1, y1, x2, y2, color);
    }
    void pixel(int x, int y, quint32 color) const { dc.setPixel(x, y, color); }
    void innerCorners(quint32 color) const
    {
        pixel(1, 1, color);
        pixel(1, H - 2, color);
        pixel(W - 2, 1, color);
        pixel(W - 2, H - 2, color);
    }

    // Left and top in c1, right and bottom in c2; unless single, an inner ring in c3
    // and c4. Offset −1 draws it one pixel inside the border.
    void frame3D(quint32 c1, quint32 c2, quint32 c3, quint32 c4, int offset, bool single) const
    {
        const int o = std::abs(offset);
        const int right = W - 1 + offset;
        const int bottom = H - 1 + offset;
        dc.moveTo(o, bottom);
        dc.lineTo(o, o, c1);
        dc.lineTo(right, o, c1);
        dc.lineTo(right, bottom, c2);
        dc.lineTo(o - 1, bottom, c2);
        if (single)
            return;
        dc.moveTo(o + 1, bottom - 1);
        dc.lineTo(o + 1, o + 1, c3);
        dc.lineTo(right - 1, o + 1, c3);
        dc.lineTo(right - 1, bottom - 1, c4);
        dc.lineTo(o, bottom - 1, c4);
    }
    void singleFrame(quint32 c1, quint32 c2) const { frame3D(c1, c2, 0, 0, 0, true); }

    void focus() const
    {
        if (s.showFocusRect && s.hasFocus)
            dc.focusRect(s.focusRect);
    }
    CmdCaptionMode upMode() const
    {
        return s.isOver ? CmdCaptionMode::UpHovered : CmdCaptionMode::Up;
    }
    CmdCaptionMode caption(CmdCaptionMode mode) const { return DrawCaption(s, mode); }

    const CmdScene &s;
    const CmdPalette &p;
    DeviceContext &dc;
    const int W;
    const int H;
};

// The three looks built from gradients and corner work, in their own file.
std::optional<CmdCaptionMode> DrawGlowGradient(const CmdLookPainter &look, CmdLookState state);
std::optional<CmdCaptionMode> DrawRoundedLight(const CmdLookPainter &look, CmdLookState state);
std::optional<CmdCaptionMode> DrawFadedGradient(const CmdLookPainter &look, CmdLookState state);
