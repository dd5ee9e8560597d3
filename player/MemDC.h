#pragma once
// Off-screen surface for one repaint: everything is drawn into an image of the
// covered rectangle, which reaches the target in a single copy when the
// surface goes out of scope, so the target never shows a half-drawn picture.
#include <QImage>
#include <QRect>

class QPaintDevice;

class CMemDC {
public:
    // The copy back reads the surface at the rectangle's own coordinates, so
    // the rectangle must start at (0, 0).
    CMemDC(QPaintDevice& target, const QRect& rect);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    QImage& Surface() { return m_bitmap; }
    const QImage& Surface() const { return m_bitmap; }

private:
    QImage m_bitmap;
    QPaintDevice& m_target;
    QRect m_rect;
};
