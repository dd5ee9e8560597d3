#include "DialogUnits.h"

#include "Gbk.h"

#include <QFontMetrics>
#include <QStringList>

#include <mutex>

namespace platform {
namespace {

void RegisterFaceSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList cjk = {QStringLiteral("WenQuanYi Zen Hei"),
                                 QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("Noto Sans SC")};
        for (const char* face : {"MS Shell Dlg", "MS Shell Dlg 2", "新宋体", "宋体"})
            QFont::insertSubstitutions(GbkToQString(face), cjk);
    });
}

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

QFont DialogFont(std::string_view gbkName, int pointSize) {
    RegisterFaceSubstitutes();
    QFont font(GbkToQString(gbkName));
    font.setPixelSize(MulDiv(pointSize, 96, 72));
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return {(metrics.horizontalAdvance(alphabet) / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const DialogBaseUnits& units, int x, int y, int cx, int cy) {
    return QRect(MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4),
                 MulDiv(cy, units.y, 8));
}

}  // namespace platform
