#include "XScrollBar.h"

#include "MemDC.h"
#include "platform/Dialog.h"
#include "res/bitmaps/Bitmaps.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

constexpr COLORREF kMarkerThumb = RGB(0, 0, 1);
constexpr COLORREF kMarkerGrip = RGB(0, 0, 2);
constexpr COLORREF kMarkerChannelLeft = RGB(0, 0, 3);
constexpr COLORREF kMarkerChannelRight = RGB(0, 0, 4);
constexpr COLORREF kGripColor = RGB(91, 91, 91);
constexpr COLORREF kFrameColor = RGB(76, 85, 118);

COLORREF ToColorRef(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
QRgb ToQRgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Truncation toward zero, saturated so that absurd positions cannot overflow.
int TruncateToInt(double v) {
    return static_cast<int>(std::clamp(v, double(INT_MIN), double(INT_MAX)));
}

QPoint EventPoint(const QMouseEvent* event) { return event->position().toPoint(); }

}  // namespace

CXScrollBar::CXScrollBar() : m_timers([this](unsigned id) { OnTimer(id); }) {
    setMouseTracking(true);
}

CXScrollBar::~CXScrollBar() = default;

bool CXScrollBar::CreateFromPlaceholder(unsigned style, QWidget* parent, int placeholderId,
                                        int id) {
    QWidget* placeholder = nullptr;
    if (auto* dialog = qobject_cast<platform::CDialog*>(parent)) {
        placeholder = dialog->GetDlgItem(placeholderId);
    } else if (parent) {
        for (QWidget* child : parent->findChildren<QWidget*>()) {
            if (child->property(kControlIdProperty) == placeholderId) {
                placeholder = child;
                break;
            }
        }
    }
    return CreateFromPlaceholder(style, parent, placeholder, id);
}

bool CXScrollBar::CreateFromPlaceholder(unsigned style, QWidget* parent, QWidget* placeholder,
                                        int id) {
    m_pParent = parent;
    // Without a parent or a placeholder there is nowhere to stand.
    if (!parent || !placeholder || placeholder == this)
        return false;
    const QRect rect(parent->mapFromGlobal(placeholder->mapToGlobal(QPoint(0, 0))),
                     placeholder->size());
    placeholder->hide();
    LoadHandCursor();

    setParent(parent);
    setGeometry(rect);
    setProperty(kControlIdProperty, id);
    setVisible(style & kStyleVisible);

    const QImage thumb = res::LoadBitmap(res::IDB_SEEK_THUMB);
    if (!thumb.isNull()) {
        m_thumbCx = thumb.width();
        m_thumbCy = thumb.height();
        m_rcTrack = {0, 0, width(), m_thumbCy};
    }
    return true;
}

void CXScrollBar::LoadHandCursor() {
    if (!m_hHand)
        m_hHand = std::make_unique<QCursor>(Qt::PointingHandCursor);
}

void CXScrollBar::SetRange(int min, int max, bool redraw) {
    m_min = min;
    m_max = max;
    const std::int64_t span = std::int64_t(max) - min;
    m_span = static_cast<int>(std::min<std::int64_t>(span < 0 ? -span : span, INT_MAX));
    if (redraw)
        update();
}

int CXScrollBar::SetPos(int pos, bool redraw) {
    const int previous = m_pos;
    m_pos = pos;
    ThumbFromPos();
    if (redraw)
        update();
    return previous;
}

void CXScrollBar::SetTrackWidth(int width) {
    m_rcTrack.right = m_rcTrack.left + width;
    SetPos(m_pos, true);
    update();
}

void CXScrollBar::ClampThumb() {
    if (m_thumbX + m_thumbCx > TrackWidth())
        m_thumbX = TrackWidth() - m_thumbCx;
    if (m_thumbX < m_rcTrack.left)
        m_thumbX = m_rcTrack.left;
}

void CXScrollBar::ThumbFromPos() {
    if (m_span == 0)
        m_thumbX = 0;
    else
        m_thumbX = TruncateToInt(
            m_pos * (static_cast<double>(TrackWidth() - m_thumbCx) / m_span) + 0.5);
    ClampThumb();
    DrawBar();
}

void CXScrollBar::PosFromThumb() {
    ClampThumb();
    const int free = TrackWidth() - m_thumbCx;
    if (free <= 0) {
        m_pos = 0;
        return;
    }
    m_pos = TruncateToInt(m_thumbX * (static_cast<double>(m_span) / free) + 0.5);
    m_pos = std::clamp(m_pos, 0, m_span);
}

void CXScrollBar::DrawBar() {
    Render();
    update();
}

void CXScrollBar::paintEvent(QPaintEvent*) {
    Render();
    QPainter(this).drawImage(0, 0, m_picture);
}

void CXScrollBar::Render() {
    const int tl = m_rcTrack.left;
    const int tt = m_rcTrack.top;
    const QSize trackSize(std::max(0, m_rcTrack.Width()), std::max(0, m_rcTrack.Height()));
    if (m_picture.size() != trackSize)
        m_picture = QImage(trackSize, QImage::Format_RGB32);

    CMemDC memDC(m_picture, QRect(QPoint(0, 0), trackSize));
    QImage& surface = memDC.Surface();

    m_rcThumb = {tl + m_thumbX, tt, tl + m_thumbX + m_thumbCx, tt + m_thumbCy};
    const int centre = tl + m_thumbX + m_thumbCx / 2;

    // Reloaded for every draw, so the tint below never builds up.
    QImage column = res::LoadBitmap(res::IDB_SEEK_CHANNEL);
    if (!column.isNull()) {
        RenderChannel(surface, column, centre, tl + TrackWidth());
        if (m_bTintTrack && m_bTintThumb)
            TintColumn(column);
        RenderChannel(surface, column, tl, centre);
    }

    if (m_span != 0)
        RenderThumb(surface);
    else
        m_rcThumb = {-1, -1, -1, -1};

    if (!surface.isNull()) {
        QPainter painter(&surface);
        const QColor frame(ToQRgb(kFrameColor));
        const QRect track(tl, tt, m_rcTrack.Width(), m_rcTrack.Height());
        painter.fillRect(track.left(), track.top(), track.width(), 1, frame);
        painter.fillRect(track.left(), track.bottom(), track.width(), 1, frame);
        painter.fillRect(track.left(), track.top(), 1, track.height(), frame);
        painter.fillRect(track.right(), track.top(), 1, track.height(), frame);
    }
}

// Stretches the column over [from, to), between the frame lines.
void CXScrollBar::RenderChannel(QImage& surface, const QImage& column, int from,
                                int to) const {
    if (surface.isNull() || to <= from)
        return;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(from, m_rcTrack.top + 1, to - from, m_thumbCy - 1), column,
                      QRect(0, 0, 1, m_thumbCy));
}

// Pale shades of the thumb colour: the lightest on top.
void CXScrollBar::TintColumn(QImage& column) const {
    CHslColor hsl(m_clrThumb);
    hsl.SetRGB(GetRValue(m_clrThumb), GetGValue(m_clrThumb), GetBValue(m_clrThumb));
    const float hue = hsl.GetHue();
    const float saturation = hsl.GetSaturation();
    auto tint = [&](float lightness) {
        hsl.SetHLS(hue, lightness, saturation * 0.5f);
        return qRgb(hsl.GetRed(), hsl.GetGreen(), hsl.GetBlue());
    };
    const QRgb top = tint(0.92f);
    const QRgb second = tint(0.87f);
    const QRgb rest = tint(0.80f);
    for (int y = 0; y < column.height(); ++y)
        column.setPixel(0, y, y == 0 ? top : y == 1 ? second : rest);
}

void CXScrollBar::RenderThumb(QImage& surface) {
    QImage thumb = res::LoadBitmap(res::IDB_SEEK_THUMB);
    if (thumb.isNull())
        return;
    const COLORREF thumbColor = m_bHot ? m_clrThumbHot : m_clrThumb;
    const int tl = m_rcTrack.left;
    auto drawnAt = [&](int x, int y, COLORREF fallback) {
        return surface.valid(x, y) ? ToColorRef(surface.pixel(x, y)) : fallback;
    };
    COLORREF previous = RGB(0, 0, 0);
    for (int x = 0; x < m_thumbCx && x < thumb.width(); ++x) {
        for (int y = 0; y < m_thumbCy && y < thumb.height(); ++y) {
            const COLORREF read = ToColorRef(thumb.pixel(x, y));
            COLORREF out = read;
            if (read == kMarkerThumb && m_bTintThumb)
                out = thumbColor;
            else if (read == kMarkerGrip)
                out = m_bGrip ? kGripColor : previous;
            else if (read == kMarkerChannelLeft)
                out = drawnAt(tl, y, read);
            else if (read == kMarkerChannelRight)
                out = drawnAt(tl + TrackWidth() - 1, y, read);
            if (out != read)
                thumb.setPixel(x, y, ToQRgb(out));
            previous = read;
        }
    }
    if (surface.isNull())
        return;
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(m_rcThumb.left, m_rcThumb.top, m_rcThumb.Width(), m_rcThumb.Height()),
                      thumb, QRect(0, 0, m_thumbCx, m_thumbCy));
}

CXScrollBar::Rect CXScrollBar::HitRect() const {
    return {m_thumbX, 0, m_thumbX + m_thumbCx, m_rcTrack.Height()};
}

// Qt grabs the mouse for the pressed widget until release: that is the capture.
void CXScrollBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = EventPoint(event);
    if (HitRect().Contains(point)) {
        m_bPressed = true;
        return;
    }
    m_thumbX = point.x() - m_thumbCx / 2;
    PosFromThumb();
    DrawBar();
    NotifyParent();
}

void CXScrollBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = EventPoint(event);
    const bool wasHot = m_bHot;
    m_bHot = m_rcThumb.Contains(point);
    if (m_bPressed)
        m_bDrag = true;
    if (m_bDrag) {
        m_thumbX = point.x() - m_thumbCx / 2;
        PosFromThumb();
        NotifyParent();
        DrawBar();
    }
    if (m_bHot != wasHot) {
        update();
        m_timers.SetTimer(IDT_HOT, kHotPeriodMs);
    }
    OnSetCursor();
}

void CXScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    ThumbFromPos();
    // Without a drawn thumb there is nothing to hover.
    if (m_span != 0 && HitRect().Contains(EventPoint(event))) {
        m_bHot = true;
        update();
        m_timers.SetTimer(IDT_HOT, kHotPeriodMs);
    }
    m_bPressed = false;
    m_bDrag = false;
    OnSetCursor();
}

void CXScrollBar::OnTimer(unsigned id) {
    if (id != IDT_HOT)
        return;
    if (m_rcThumb.Contains(mapFromGlobal(QCursor::pos())))
        return;
    m_bHot = false;
    m_timers.KillTimer(IDT_HOT);
    setCursor(Qt::ArrowCursor);
    update();
}

void CXScrollBar::OnSetCursor() {
    if (m_bHot && m_hHand)
        setCursor(*m_hHand);
    else
        setCursor(Qt::ArrowCursor);
}

void CXScrollBar::NotifyParent() {
    if (m_pParent)
        emit HScroll(SB_THUMBTRACK, m_pos & 0xFFFF, this);
}
