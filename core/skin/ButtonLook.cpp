#include "core/skin/ButtonLook.h"

#include <algorithm>
#include <cstdint>

namespace karusello {

namespace {

// HSV with 16-bit channels, hue in hundredths of a degree (NoHue for a grey), computed in
// single precision. The steps and their rounding are those of Qt's colour class, so that both
// windows get the very same pixels (a test of the Qt build compares them).
constexpr int Full = 65535;
constexpr int NoHue = 65535;

struct Hsv {
    int hue = NoHue;
    int saturation = 0;
    int value = 0;
};

int Round(float value) {
    return static_cast<int>(value + 0.5f);
}

int To16(std::uint8_t channel) {
    return channel * 257;
}

// The nearest 8-bit channel.
std::uint8_t To8(int channel) {
    return static_cast<std::uint8_t>((channel + 128) / 257);
}

Hsv ToHsv(const SkinColor& color) {
    const float r = static_cast<float>(To16(color.r)) / float(Full);
    const float g = static_cast<float>(To16(color.g)) / float(Full);
    const float b = static_cast<float>(To16(color.b)) / float(Full);
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    const float delta = max - min;
    Hsv hsv;
    hsv.value = Round(max * float(Full));
    if (delta == 0.0f) {
        return hsv;
    }
    hsv.saturation = Round(delta / max * float(Full));
    float hue = r == max   ? (g - b) / delta
                : g == max ? 2.0f + (b - r) / delta
                           : 4.0f + (r - g) / delta;
    hue *= 60.0f;
    if (hue < 0.0f) {
        hue += 360.0f;
    }
    hsv.hue = Round(hue * 100.0f);
    return hsv;
}

SkinColor ToRgb(const Hsv& hsv) {
    if (hsv.saturation == 0 || hsv.hue == NoHue) {
        const std::uint8_t grey = To8(hsv.value);
        return {grey, grey, grey};
    }
    const float h = hsv.hue == 36000 ? 0.0f : static_cast<float>(hsv.hue) / 6000.0f;
    const float s = static_cast<float>(hsv.saturation) / float(Full);
    const float v = static_cast<float>(hsv.value) / float(Full);
    const int sector = static_cast<int>(h);
    const float f = h - static_cast<float>(sector);
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    const auto rgb = [](float red, float green, float blue) {
        return SkinColor{To8(Round(red * float(Full))), To8(Round(green * float(Full))),
                         To8(Round(blue * float(Full)))};
    };
    switch (sector) {
    case 0:
        return rgb(v, t, p);
    case 1:
        return rgb(q, v, p);
    case 2:
        return rgb(p, v, t);
    case 3:
        return rgb(p, q, v);
    case 4:
        return rgb(t, p, v);
    default:
        return rgb(v, p, q);
    }
}

} // namespace

SkinColor Lighter(const SkinColor& color, int factor) {
    Hsv hsv = ToHsv(color);
    int value = factor * hsv.value / 100;
    if (value > Full) {
        hsv.saturation = std::max(0, hsv.saturation - (value - Full));
        value = Full;
    }
    hsv.value = value;
    return ToRgb(hsv);
}

SkinColor Darker(const SkinColor& color, int factor) {
    Hsv hsv = ToHsv(color);
    hsv.value = hsv.value * 100 / factor;
    return ToRgb(hsv);
}

SkinColor Mix(const SkinColor& a, const SkinColor& b) {
    const auto half = [](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>((x + y) / 2);
    };
    return {half(a.r, b.r), half(a.g, b.g), half(a.b, b.b)};
}

ButtonLook ButtonLookOf(const SkinSettings& skin) {
    ButtonLook look;
    look.face = skin.m_PanelColor;
    look.text = skin.m_PanelTextColor;
    look.raised = skin.buttonStyle == ButtonStyle::Raised;
    look.border = skin.hasButtonBorder ? skin.buttonBorder
                  : look.raised        ? look.face
                                       : Darker(look.face, 140);
    look.hoverFace = Lighter(look.face, 108);
    look.pressedFace = Darker(look.face, 112);
    look.disabledText = Mix(look.face, look.text);
    look.borderWidth = look.raised ? 2 : 1;
    look.radius = skin.buttonRadius;
    return look;
}

} // namespace karusello
