#include "HslColor.h"

#include <algorithm>

std::uint8_t HueToChannel(float m1, float m2, float h) {
    if (h > 360)
        h -= 360;
    else if (h < 0)
        h += 360;
    float v;
    if (h < 60)
        v = m1 + (m2 - m1) * h / 60;
    else if (h < 180)
        v = m2;
    else if (h < 240)
        v = m1 + (m2 - m1) * (240 - h) / 60;
    else
        v = m1;
    const float scaled = v * 255;
    return static_cast<std::uint8_t>(static_cast<int>(scaled) & 0xFF);
}

CHslColor::CHslColor(COLORREF color)
    : red(static_cast<std::uint8_t>(GetRValue(color))),
      green(static_cast<std::uint8_t>(GetGValue(color))),
      blue(static_cast<std::uint8_t>(GetBValue(color))) {}

void CHslColor::SetRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    red = r;
    green = g;
    blue = b;
    rgbValid = true;
    hslValid = false;
}

void CHslColor::SetHLS(float h, float l, float s) {
    hue = h;
    lightness = l;
    saturation = s;
    hslValid = true;
    rgbValid = false;
}

float CHslColor::GetHue() { UpdateHSL(); return hue; }
float CHslColor::GetSaturation() { UpdateHSL(); return saturation; }
float CHslColor::GetLightness() { UpdateHSL(); return lightness; }
int CHslColor::GetRed() { UpdateRGB(); return red; }
int CHslColor::GetGreen() { UpdateRGB(); return green; }
int CHslColor::GetBlue() { UpdateRGB(); return blue; }

void CHslColor::UpdateHSL() {
    if (hslValid)
        return;
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const float delta = static_cast<float>(max - min);
    const float sum = static_cast<float>(max + min);
    lightness = sum / 510;
    if (max == min) {
        saturation = 0;
        hue = 0;
        hslValid = true;
        return;
    }
    const float rd = static_cast<float>(max - red) / delta;
    const float gd = static_cast<float>(max - green) / delta;
    const float bd = static_cast<float>(max - blue) / delta;
    saturation = lightness <= 0.5f ? delta / sum : delta / (510 - sum);
    if (red == max)
        hue = (6 + bd - gd) * 60;
    if (green == max)
        hue = (2 + rd - bd) * 60;
    if (blue == max)
        hue = (4 + gd - rd) * 60;
    if (hue > 360)
        hue -= 360;
    hslValid = true;
}

void CHslColor::UpdateRGB() {
    if (rgbValid)
        return;
    if (saturation == 0) {
        const float scaled = lightness * 255;
        red = green = blue = static_cast<std::uint8_t>(static_cast<int>(scaled) & 0xFF);
        rgbValid = true;
        return;
    }
    const float m2 = lightness <= 0.5f ? lightness * (1 + saturation)
                                       : lightness + saturation - lightness * saturation;
    const float m1 = 2 * lightness - m2;
    red = HueToChannel(m1, m2, hue + 120);
    green = HueToChannel(m1, m2, hue);
    blue = HueToChannel(m1, m2, hue - 120);
    rgbValid = true;
}
