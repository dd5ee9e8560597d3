#pragma once
// Horizontal seek bar drawn from bitmaps 159 (channel column) and 162 (thumb).
// It takes the place of a placeholder control of its parent and reports every
// position change to the parent the way a scroll bar would (WM_HSCROLL with
// SB_THUMBTRACK), synchronously.
#include "platform/WindowTimers.h"
#include "skin/HslColor.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <memory>

class CXScrollBar : public QWidget {
    Q_OBJECT

public:
    // The one notification code the bar sends.
    static constexpr int SB_THUMBTRACK = 5;
    // Hot tracking: watches for the cursor leaving the thumb.
    static constexpr unsigned IDT_HOT = 3;
    static constexpr int kHotPeriodMs = 50;
    // Window style bit honoured at creation; the other style bits change nothing here.
    static constexpr unsigned kStyleVisible = 0x10000000;
    // Dynamic property that carries a control's identifier outside dialogs.
    static constexpr const char* kControlIdProperty = "controlId";

    // Edges as drawn: right and bottom are exclusive; all -1 means "none".
    struct Rect {
        int left, top, right, bottom;
        int Width() const { return right - left; }
        int Height() const { return bottom - top; }
        bool Contains(QPoint p) const {
            return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
        }
    };

    CXScrollBar();
    ~CXScrollBar() override;

    // Creates the bar over the parent's control `placeholderId` (a dialog's
    // control id, otherwise the children's control-id property), hides the
    // placeholder and gives the bar `id` (as its control-id property).
    bool CreateFromPlaceholder(unsigned style, QWidget* parent, int placeholderId, int id);
    bool CreateFromPlaceholder(unsigned style, QWidget* parent, QWidget* placeholder, int id);

    void SetRange(int min, int max, bool redraw);
    // Stores the position unclamped, draws the thumb for it; returns the previous one.
    int SetPos(int pos, bool redraw);
    int GetPos() const { return m_pos; }
    void SetTrackWidth(int width);

    void ClampThumb();
    void ThumbFromPos();
    void PosFromThumb();
    // Redraws the bar's picture now; the screen follows with the next paint.
    void DrawBar();
    // The bar's current picture, exactly what the screen shows of the track.
    const QImage& Picture() const { return m_picture; }

    QPointer<QWidget> m_pParent;
    int m_thumbX = 4;
    int m_thumbCy = 4;
    int m_thumbCx = 4;
    int m_pos = 0;
    int m_min = 0, m_max = 0;
    int m_span = 0;
    Rect m_rcThumb{-1, -1, -1, -1};
    Rect m_rcTrack{-1, -1, -1, -1};
    std::unique_ptr<QCursor> m_hHand;
    COLORREF m_clrThumb = RGB(0, 0, 0);
    COLORREF m_clrThumbHot = RGB(255, 204, 0);
    bool m_bTintThumb = false;
    bool m_bTintTrack = true;
    bool m_bGrip = true;
    bool m_bHot = false;
    bool m_bPressed = false;
    bool m_bDrag = false;

signals:
    // WM_HSCROLL: code in the low word, position (low 16 bits) in the high word,
    // the bar itself as the scroll-bar window.
    void HScroll(int code, int pos, CXScrollBar* scrollBar);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void LoadHandCursor();
    void Render();
    void RenderChannel(QImage& surface, const QImage& column, int from, int to) const;
    void TintColumn(QImage& column) const;
    void RenderThumb(QImage& surface);
    void OnTimer(unsigned id);
    void OnSetCursor();
    void NotifyParent();
    Rect HitRect() const;
    int TrackWidth() const { return m_rcTrack.Width(); }

    platform::WindowTimers m_timers;
    QImage m_picture;
};
