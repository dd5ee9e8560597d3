#pragma once
// Dialog units to pixels, by the dialog font's average character size: a
// horizontal unit is a quarter of the average width, a vertical one an eighth
// of the height.
#include <QFont>
#include <QRect>

#include <string_view>

namespace platform {

// The template's font (GBK name, points at 96 dpi so that layouts are the same
// on every screen); the templates' Windows face names map to a CJK face.
QFont DialogFont(std::string_view gbkName, int pointSize);

struct DialogBaseUnits {
    int x;
    int y;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy);

}  // namespace platform
