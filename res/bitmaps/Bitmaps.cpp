#include "Bitmaps.h"

#include <QString>

// Resources compiled into a static library have to be registered by hand.
static void RegisterBitmapResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(bitmaps);
        return true;
    }();
    (void)registered;
}

namespace res {

QImage LoadBitmap(int id) {
    RegisterBitmapResources();
    QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
    if (image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace res
