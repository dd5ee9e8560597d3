#include "SkinLooks.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsIdentity(SkinHsb hsb) {
    return hsb.hue == 0 && hsb.saturation == 0 && hsb.brightness == 0;
}

float Towards(float value, int amount) {
    const float f = std::clamp(amount, -100, 100) / 100.0f;
    return f >= 0 ? value + (1 - value) * f : value * (1 + f);
}

}  // namespace

QColor ShiftColour(const QColor& colour, SkinHsb hsb) {
    if (IsIdentity(hsb))
        return colour;
    float h, s, l, a;
    colour.toHsl().getHslF(&h, &s, &l, &a);
    if (h < 0)  // achromatic
        h = 0;
    else
        h = std::fmod(h * 360 + hsb.hue + 720.0f, 360.0f) / 360.0f;
    return QColor::fromHslF(h, Towards(s, hsb.saturation), Towards(l, hsb.brightness), a).toRgb();
}

QImage ShiftImage(const QImage& image, SkinHsb hsb) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (IsIdentity(hsb))
        return out;
    // Artwork uses few distinct colours; remember each one's result.
    std::unordered_map<QRgb, QRgb> memo;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb px = line[x];
            if (qAlpha(px) == 0)
                continue;
            auto [it, fresh] = memo.try_emplace(px);
            if (fresh)
                it->second = ShiftColour(QColor::fromRgba(px), hsb).rgba();
            line[x] = it->second;
        }
    }
    return out;
}

void SkinLooks::SetHsb(SkinHsb hsb) {
    m_hsb = hsb;
    m_cache.clear();
}

QPixmap SkinLooks::Pixmap(const QImage& image, bool fixed) {
    if (image.isNull())
        return {};
    auto& cache = fixed ? m_fixedCache : m_cache;
    auto it = cache.find(image.cacheKey());
    if (it == cache.end())
        it = cache
                 .emplace(image.cacheKey(),
                          QPixmap::fromImage(fixed ? image : ShiftImage(image, m_hsb)))
                 .first;
    return it->second;
}
