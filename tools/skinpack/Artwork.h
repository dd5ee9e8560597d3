#pragma once
// The skin's artwork, drawn here in code: warm, bright shapes with a soft
// dark-brown outline that children can tell apart at a glance.
#include <QColor>
#include <QImage>
#include <QString>

namespace art {

enum class Look { Normal, Hover, Pressed, Checked };
inline constexpr Look kLooks[] = {Look::Normal, Look::Hover, Look::Pressed, Look::Checked};
const char* LookName(Look look);

extern const QColor kInk;    // outlines and dark text
extern const QColor kSunny;  // the skin's main colour, the one the swatches shift

// Candy tile behind category and player buttons (nine-part, margins 16).
QImage Tile(const QColor& base, Look look);
// 128 × 128 pictures: "house", "note", "book", "bulb", "ball", "tv", "balloons",
// and the player's "heart", "play", "pause", "stop", "full".
QImage Picture(const QString& which);

// Small frame buttons: back (nine-part, margins 8) and 32 × 32 glyphs "close",
// "max", "restore", "min", "menu", "feed", "palette".
QImage SystemBack(Look look, bool danger);
QImage Glyph(const QString& which);
QImage Pill(const QColor& fill, const QColor& border, Look look);

QImage TabBack(Look look);
QImage FrameBack();
QImage FrameStrip();
QImage Garland();
QImage Sun();
QImage RoundedBox(const QColor& fill, const QColor& border, int size = 48, int radius = 10);
QImage DialogBack();
QImage RowBack(const QColor& top, const QColor& bottom);

enum class Groove { Hue, Saturation, Brightness, Transparency };
QImage SliderGroove(Groove kind);
QImage SliderThumb(Look look);

// Seamless 64 × 64 background tiles 1 … 8: dots, stripes, clouds, stars,
// waves, checks, hearts, grass.
QImage Texture(int n);

QImage ChooserTab(const QString& caption, bool checked);
QImage ColourSwatch(const QColor& colour);
QImage TextureSwatch(const QImage& tile);
QImage NoneSwatch();
QImage ThemeSwatch(const QColor& colour, const QString& caption);

}  // namespace art
