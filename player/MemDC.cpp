#include "MemDC.h"

#include <QPainter>

CMemDC::CMemDC(QPaintDevice& target, const QRect& rect)
    : m_bitmap(rect.size(), QImage::Format_RGB32), m_target(target), m_rect(rect) {
    // A fresh compatible bitmap starts black.
    m_bitmap.fill(Qt::black);
}

CMemDC::~CMemDC() {
    if (m_bitmap.isNull())
        return;
    QPainter painter(&m_target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(m_rect.topLeft(), m_bitmap);
}
