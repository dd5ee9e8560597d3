#pragma once
// One colour held both as 8-bit RGB and as float hue/saturation/lightness; the
// stale form is recomputed only when read. All arithmetic is single precision
// with truncation, so results match the seek bar's tints to the bit.
#include <cstdint>

using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xFFu; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFFu; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFFu; }

std::uint8_t HueToChannel(float m1, float m2, float hue);

class CHslColor {
public:
    explicit CHslColor(COLORREF color);

    void SetRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // Note the order: hue, lightness, saturation.
    void SetHLS(float hue, float lightness, float saturation);

    float GetHue();
    float GetSaturation();
    float GetLightness();
    int GetRed();
    int GetGreen();
    int GetBlue();

    void UpdateHSL();
    void UpdateRGB();

private:
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    bool rgbValid = true;
    bool hslValid = false;
};
