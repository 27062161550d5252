#include "CmdPalette.h"

#include <algorithm>

#include "platform/HostColor.h"

namespace
{

quint32 systemColor(int index)
{
    return TranslateColor(HostColor::systemColourFlag + quint32(index));
}

// Desktop colour indices the system scheme reads.
constexpr int highlightIndex = 13;
constexpr int buttonFaceIndex = 15;
constexpr int buttonShadowIndex = 16;
constexpr int buttonTextIndex = 18;
constexpr int buttonHighlightIndex = 20;
constexpr int darkShadowIndex = 21;
constexpr int lightIndex = 22;

int channel(quint32 color, int shift)
{
    return int(color >> shift & 0xff);
}

// Edges derived from the face, shared by the custom and the parent-colours schemes.
void deriveEdges(CmdPalette &palette, bool softBevel)
{
    const quint32 face = palette.FaceColor;
    palette.ShadowColor = ShiftColor(face, -64, softBevel);
    palette.LightColor = ShiftColor(face, 31, softBevel);
    palette.HighlightColor = ShiftColor(face, 47, softBevel);
    palette.DarkShadowColor = ShiftColor(face, -192, softBevel);
}

} // namespace

quint32 TranslateColor(quint32 value)
{
    return HostColor::fromColor(HostColor::toColor(value));
}

quint32 ShiftColor(quint32 color, int amount, bool softBevel, bool blueProportional)
{
    const int a = softBevel ? amount / 2 : amount;
    if (a == 0)
        return color;
    const int blue = channel(color, 16);
    int channels[3] = {channel(color, 0) + a, channel(color, 8) + a,
                       blueProportional ? blue + blue * a / 192 : blue + a};
    for (int &c : channels)
        c = a > 0 ? std::min(c, 255) : std::max(c, 0);
    return HostColor::rgb(channels[0], channels[1], channels[2]);
}

quint32 BlendToWhite(quint32 color, int amount)
{
    int channels[3] = {channel(color, 0), channel(color, 8), channel(color, 16)};
    for (int &c : channels)
        c = std::min(255, c * (255 - amount) / 255 + amount);
    return HostColor::rgb(channels[0], channels[1], channels[2]);
}

CmdPalette ComputePalette(const CmdColorInputs &inputs)
{
    CmdPalette palette;
    switch (inputs.scheme) {
    case Cmd::ColorScheme::Custom:
        palette.FaceColor = TranslateColor(inputs.backColor);
        palette.TextColor = TranslateColor(inputs.foreColor);
        palette.TextOverColor = TranslateColor(inputs.foreOver);
        deriveEdges(palette, inputs.softBevel);
        palette.SelectColor = ShiftColor(palette.FaceColor, -128, inputs.softBevel);
        palette.SelectLightColor = palette.FaceColor;
        break;
    case Cmd::ColorScheme::FixedGrey:
        palette.FaceColor = 0xC0C0C0;
        palette.TextColor = 0;
        palette.TextOverColor = 0;
        palette.ShadowColor = 0x808080;
        palette.LightColor = 0xDFDFDF;
        palette.HighlightColor = 0xFFFFFF;
        palette.DarkShadowColor = 0;
        palette.SelectColor = 0x800000;
        palette.SelectLightColor = 0xD1ADAD;
        break;
    case Cmd::ColorScheme::ParentColors:
        palette.FaceColor = inputs.parentBack;
        palette.TextColor = inputs.parentText;
        palette.TextOverColor = inputs.parentText;
        deriveEdges(palette, inputs.softBevel);
        palette.SelectColor = systemColor(highlightIndex);
        palette.SelectLightColor = BlendToWhite(palette.SelectColor, 176);
        break;
    case Cmd::ColorScheme::System:
    default:
        palette.FaceColor = systemColor(buttonFaceIndex);
        palette.TextColor = systemColor(buttonTextIndex);
        palette.TextOverColor = palette.TextColor;
        palette.ShadowColor = systemColor(buttonShadowIndex);
        palette.LightColor = systemColor(lightIndex);
        palette.HighlightColor = systemColor(buttonHighlightIndex);
        palette.DarkShadowColor = systemColor(darkShadowIndex);
        palette.SelectColor = systemColor(highlightIndex);
        palette.SelectLightColor = BlendToWhite(palette.SelectColor, 176);
        break;
    }
    palette.MaskColorValue = TranslateColor(inputs.maskColor);
    palette.TypeFaceColor = ShiftColor(palette.FaceColor, 48, inputs.softBevel,
                                       inputs.buttonType == Cmd::ButtonType::GlowGradient);
    return palette;
}
