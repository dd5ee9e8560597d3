#include "Dialogs.h"

#include <QPainter>
#include <QPixmap>

namespace res {
namespace {

// The program's icon: a rounded orange square with a white "L", drawn at the
// sizes the window title, the taskbar and the tray ask for.
QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF5, 0x8A, 0x1F));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 5.0, size / 5.0);
    painter.setBrush(Qt::white);
    const qreal unit = size / 8.0;
    painter.drawRect(QRectF(2.5 * unit, 1.5 * unit, 1.2 * unit, 5 * unit));
    painter.drawRect(QRectF(2.5 * unit, 5.3 * unit, 3.5 * unit, 1.2 * unit));
    return pixmap;
}

}  // namespace

QIcon LoadIcon(int id) {
    if (id != IDR_MAINFRAME_ICON)
        return {};
    static const QIcon icon = [] {
        QIcon drawn;
        for (int size : {16, 32, 48})
            drawn.addPixmap(DrawIcon(size));
        return drawn;
    }();
    return icon;
}

}  // namespace res
