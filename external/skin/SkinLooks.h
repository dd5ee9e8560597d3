#pragma once
// The global colour shift applied to artwork and colours, with the shifted
// pixmaps cached until the shift changes.
#include "external/skin/SkinState.h"

#include <QColor>
#include <QImage>
#include <QPixmap>

#include <unordered_map>

// Hue turns by `hue` degrees; saturation and brightness move the HSL values
// towards 0 (at −100) or 1 (at +100) proportionally.
QColor ShiftColour(const QColor& colour, SkinHsb hsb);
QImage ShiftImage(const QImage& image, SkinHsb hsb);

class SkinLooks {
public:
    void SetHsb(SkinHsb hsb);
    SkinHsb Hsb() const { return m_hsb; }
    // `fixed`: artwork that keeps its colours (swatches, colour sliders).
    QPixmap Pixmap(const QImage& image, bool fixed = false);
    QColor Colour(const QColor& colour) const { return ShiftColour(colour, m_hsb); }

private:
    SkinHsb m_hsb;
    std::unordered_map<qint64, QPixmap> m_cache;
    std::unordered_map<qint64, QPixmap> m_fixedCache;
};
