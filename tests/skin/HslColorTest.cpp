#include "skin/HslColor.h"

#include <gtest/gtest.h>

namespace {

struct HslCase {
    COLORREF rgb;
    float hue, saturation, lightness;
};

TEST(HslColor, ConvertsRgbToHsl) {
    const HslCase cases[] = {
        {RGB(255, 0, 0), 360.0f, 1.0f, 0.5f},
        {RGB(0, 255, 0), 120.0f, 1.0f, 0.5f},
        {RGB(0, 0, 255), 240.0f, 1.0f, 0.5f},
        {RGB(255, 255, 0), 60.0f, 1.0f, 0.5f},
        {RGB(128, 128, 128), 0.0f, 0.0f, 256.0f / 510.0f},
        {RGB(0, 0, 0), 0.0f, 0.0f, 0.0f},
        {RGB(255, 255, 255), 0.0f, 0.0f, 1.0f},
    };
    for (const auto& c : cases) {
        CHslColor color(c.rgb);
        EXPECT_FLOAT_EQ(color.GetHue(), c.hue) << std::hex << c.rgb;
        EXPECT_FLOAT_EQ(color.GetSaturation(), c.saturation) << std::hex << c.rgb;
        EXPECT_FLOAT_EQ(color.GetLightness(), c.lightness) << std::hex << c.rgb;
    }
}

struct RoundTrip {
    COLORREF in;
    int r, g, b;
};

TEST(HslColor, RoundTripTruncates) {
    const RoundTrip cases[] = {
        {RGB(68, 32, 130), 67, 31, 130},
        {RGB(128, 128, 128), 128, 128, 128},
        {RGB(255, 0, 0), 255, 0, 0},
    };
    for (const auto& c : cases) {
        CHslColor color(c.in);
        CHslColor back(0);
        back.SetHLS(color.GetHue(), color.GetLightness(), color.GetSaturation());
        EXPECT_EQ(back.GetRed(), c.r);
        EXPECT_EQ(back.GetGreen(), c.g);
        EXPECT_EQ(back.GetBlue(), c.b);
    }
}

TEST(HslColor, HueZeroAndHue360AreTheSameColour) {
    CHslColor a(0), b(0);
    a.SetHLS(0, 0.5f, 1);
    b.SetHLS(360, 0.5f, 1);
    EXPECT_EQ(a.GetRed(), b.GetRed());
    EXPECT_EQ(a.GetGreen(), b.GetGreen());
    EXPECT_EQ(a.GetBlue(), b.GetBlue());
}

TEST(HslColor, SetHlsTakesLightnessBeforeSaturation) {
    CHslColor a(0), b(0);
    a.SetHLS(200, 0.8f, 0.3f);
    b.SetHLS(200, 0.3f, 0.8f);
    EXPECT_FLOAT_EQ(a.GetLightness(), 0.8f);
    EXPECT_FLOAT_EQ(a.GetSaturation(), 0.3f);
    EXPECT_NE(a.GetRed() | a.GetGreen() << 8 | a.GetBlue() << 16,
              b.GetRed() | b.GetGreen() << 8 | b.GetBlue() << 16);
}

TEST(HslColor, SeekBarTintsOfThePlayerThumbColour) {
    CHslColor base(RGB(198, 97, 239));
    const float hue = base.GetHue();
    const float saturation = base.GetSaturation();
    struct Tint {
        float lightness;
        int r, g, b;
    };
    const Tint tints[] = {{0.92f, 238, 226, 242}, {0.87f, 227, 208, 235}, {0.80f, 212, 183, 224}};
    for (const auto& t : tints) {
        CHslColor tint(0);
        tint.SetHLS(hue, t.lightness, saturation * 0.5f);
        EXPECT_EQ(tint.GetRed(), t.r) << t.lightness;
        EXPECT_EQ(tint.GetGreen(), t.g) << t.lightness;
        EXPECT_EQ(tint.GetBlue(), t.b) << t.lightness;
    }
}

TEST(HslColor, OutOfRangeLightnessIsNotClamped) {
    CHslColor grey(0);
    grey.SetHLS(0, 1.5f, 0);
    EXPECT_EQ(grey.GetRed(), static_cast<int>(1.5f * 255) & 0xFF);
}

}  // namespace
