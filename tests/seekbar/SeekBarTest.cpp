// The seek bar as the player uses it: range 0..1000, a 300-pixel track and the
// 7 x 7 thumb, in a real (offscreen) window with real mouse events.
#include "platform/Dialog.h"
#include "player/XScrollBar.h"
#include "res/bitmaps/Bitmaps.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr int kPlaceholderId = 1016;
constexpr int kBarId = 1018;
constexpr int kTrackWidth = 300;
constexpr COLORREF kPlayerThumb = RGB(198, 97, 239);

COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

class SeekBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_panel.setGeometry(100, 100, 320, 60);
        m_placeholder = new QLabel(QStringLiteral("Static"), &m_panel);
        m_placeholder->setProperty(CXScrollBar::kControlIdProperty, kPlaceholderId);
        m_placeholder->setGeometry(5, 20, 310, 16);
        ASSERT_TRUE(m_bar.CreateFromPlaceholder(CXScrollBar::kStyleVisible, &m_panel,
                                                kPlaceholderId, kBarId));
        m_bar.SetRange(0, 1000, true);
        m_bar.SetPos(0, true);
        m_bar.SetTrackWidth(kTrackWidth);
        m_bar.move(5, 20);
        m_bar.resize(kTrackWidth, 7);
        QObject::connect(&m_bar, &CXScrollBar::HScroll,
                         [this](int code, int pos, CXScrollBar* source) {
                             EXPECT_EQ(code, CXScrollBar::SB_THUMBTRACK);
                             EXPECT_EQ(source, &m_bar);
                             m_messages.push_back(pos);
                         });
    }

    void ShowPanel() {
        m_panel.show();
        ASSERT_TRUE(testsupport::WaitFor(
            [this] { return m_panel.windowHandle() && m_panel.windowHandle()->isExposed(); }));
    }

    void Mouse(QEvent::Type type, int x, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF local(x, 3);
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, local, m_bar.mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(&m_bar, &event);
    }
    void Press(int x) { Mouse(QEvent::MouseButtonPress, x); }
    void Release(int x) { Mouse(QEvent::MouseButtonRelease, x); }
    void Move(int x, bool buttonHeld) {
        Mouse(QEvent::MouseMove, x, buttonHeld ? Qt::LeftButton : Qt::NoButton);
    }
    void Click(int x) {
        Press(x);
        Release(x);
    }

    QWidget m_panel;
    QLabel* m_placeholder = nullptr;
    CXScrollBar m_bar;
    std::vector<int> m_messages;
};

TEST(SeekBarBitmaps, AreTwentyFourBitFilesWithTheirPixels) {
    struct Case { int id; int width; int height; QRgb colour; };
    for (const Case c : {Case{159, 1, 7, qRgb(255, 255, 255)}, Case{162, 7, 7, qRgb(0, 0, 0)}}) {
        SCOPED_TRACE(c.id);
        QFile file(QStringLiteral(LALORA_SOURCE_DIR "/res/bitmaps/%1.bmp").arg(c.id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GT(bytes.size(), 30);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel

        const QImage image = res::LoadBitmap(c.id);
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                EXPECT_EQ(image.pixel(x, y), c.colour) << x << "," << y;
    }
    EXPECT_TRUE(res::LoadBitmap(160).isNull());
}

TEST_F(SeekBarTest, TakesThePlaceholdersPlaceAndTheThumbSize) {
    CXScrollBar bar;
    QLabel placeholder(&m_panel);
    placeholder.setGeometry(15, 40, 200, 16);
    ASSERT_TRUE(bar.CreateFromPlaceholder(CXScrollBar::kStyleVisible, &m_panel, &placeholder,
                                          kBarId));
    EXPECT_TRUE(placeholder.isHidden());
    EXPECT_EQ(bar.parentWidget(), &m_panel);
    EXPECT_EQ(bar.geometry(), QRect(15, 40, 200, 16));
    EXPECT_EQ(bar.property(CXScrollBar::kControlIdProperty).toInt(), kBarId);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_EQ(bar.m_pParent, &m_panel);
    EXPECT_EQ(bar.m_thumbCx, 7);
    EXPECT_EQ(bar.m_thumbCy, 7);
    const CXScrollBar::Rect track = bar.m_rcTrack;
    EXPECT_EQ(track.left, 0);
    EXPECT_EQ(track.top, 0);
    EXPECT_EQ(track.right, 200);
    EXPECT_EQ(track.bottom, 7);
    ASSERT_TRUE(bar.m_hHand);
    EXPECT_EQ(bar.m_hHand->shape(), Qt::PointingHandCursor);

    EXPECT_TRUE(m_placeholder->isHidden());  // the fixture's bar took 1016's place
    CXScrollBar orphan;
    EXPECT_FALSE(orphan.CreateFromPlaceholder(CXScrollBar::kStyleVisible, &m_panel, 4242, 1019));
    EXPECT_FALSE(orphan.CreateFromPlaceholder(CXScrollBar::kStyleVisible, nullptr, 1016, 1019));
}

TEST(SeekBarInDialog, FindsThePlaceholderByItsControlId) {
    const platform::DialogTemplate layout{
        102, "MS Shell Dlg", 9, 230, 229, platform::DS_POPUP, "",
        {{kPlaceholderId, platform::ControlClass::Static, "Static", 15, 175, 200, 10}}};
    platform::CDialog dialog(layout);
    ASSERT_TRUE(dialog.Create());
    QWidget* placeholder = dialog.GetDlgItem(kPlaceholderId);
    ASSERT_NE(placeholder, nullptr);
    const QRect place = placeholder->geometry();

    CXScrollBar bar;
    ASSERT_TRUE(bar.CreateFromPlaceholder(CXScrollBar::kStyleVisible, &dialog, kPlaceholderId,
                                          kBarId));
    EXPECT_TRUE(placeholder->isHidden());
    EXPECT_EQ(bar.geometry(), place);
    EXPECT_EQ(bar.m_rcTrack.right, place.width());
}

TEST_F(SeekBarTest, PositionAndThumbArithmetic) {
    enum class Action { SetPos, Click };
    struct Case {
        const char* name;
        int start;
        Action action;
        int value;
        int thumbX;
        int pos;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"middle position", 0, Action::SetPos, 500, 147, 500, {}},
        {"click beside the thumb", 0, Action::Click, 150, 147, 502, {502}},
        {"click near the left end", 500, Action::Click, 2, 0, 0, {0}},
        {"click on the thumb at the left end", 0, Action::Click, 2, 0, 0, {}},
        {"click at the far right", 0, Action::Click, kTrackWidth - 1, kTrackWidth - 7, 1000,
         {1000}},
        {"click past the end", 0, Action::Click, 5000, kTrackWidth - 7, 1000, {1000}},
        {"position beyond the range", 0, Action::SetPos, 5000, kTrackWidth - 7, 5000, {}},
        {"negative position", 0, Action::SetPos, -5, 0, -5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_bar.SetPos(c.start, true);
        m_messages.clear();
        if (c.action == Action::SetPos)
            EXPECT_EQ(m_bar.SetPos(c.value, true), c.start);
        else
            Click(c.value);
        EXPECT_EQ(m_bar.m_thumbX, c.thumbX);
        EXPECT_EQ(m_bar.GetPos(), c.pos);
        EXPECT_EQ(m_messages, c.messages);
        EXPECT_EQ(m_bar.m_rcThumb.left, c.thumbX);
        EXPECT_EQ(m_bar.m_rcThumb.right, c.thumbX + 7);
        EXPECT_EQ(m_bar.m_rcThumb.top, 0);
        EXPECT_EQ(m_bar.m_rcThumb.bottom, 7);
        EXPECT_FALSE(m_bar.m_bPressed);
        EXPECT_FALSE(m_bar.m_bDrag);
    }
}

TEST_F(SeekBarTest, SecondClickOnTheThumbOnlyPresses) {
    Click(150);
    ASSERT_EQ(m_messages, std::vector<int>{502});
    Press(150);
    EXPECT_TRUE(m_bar.m_bPressed);
    EXPECT_EQ(m_bar.m_thumbX, 147);
    EXPECT_EQ(m_bar.GetPos(), 502);
    EXPECT_EQ(m_messages, std::vector<int>{502});
    Release(150);
    EXPECT_FALSE(m_bar.m_bPressed);
    EXPECT_EQ(m_messages, std::vector<int>{502});
}

TEST_F(SeekBarTest, OutOfRangePositionStaysUntilTheMouseMovesTheThumb) {
    m_bar.SetPos(5000, true);
    EXPECT_EQ(m_bar.GetPos(), 5000);
    EXPECT_EQ(m_bar.m_rcThumb.right, kTrackWidth);
    EXPECT_EQ(PixelAt(m_bar.Picture(), kTrackWidth - 4, 3), RGB(0, 0, 0));
    m_bar.SetTrackWidth(200);
    EXPECT_EQ(m_bar.GetPos(), 5000);
    EXPECT_EQ(m_bar.m_thumbX, 193);
    Click(50);
    EXPECT_EQ(m_bar.GetPos(), 244);  // (50 - 3) x 1000 / 193, rounded
    EXPECT_EQ(m_messages, std::vector<int>{244});
}

TEST_F(SeekBarTest, DragSendsOneMessagePerMoveAndNoneOnRelease) {
    m_bar.SetPos(500, true);
    Move(40, false);  // no button: no drag, no message
    Press(150);       // on the thumb at 147..153
    EXPECT_TRUE(m_messages.empty());
    Move(160, true);
    EXPECT_TRUE(m_bar.m_bDrag);
    Move(100, true);
    Move(-20, true);
    EXPECT_EQ(m_messages, (std::vector<int>{536, 331, 0}));
    EXPECT_EQ(m_bar.m_thumbX, 0);
    Release(-20);
    EXPECT_EQ(m_messages.size(), 3u);
    EXPECT_FALSE(m_bar.m_bPressed);
    EXPECT_FALSE(m_bar.m_bDrag);
    Move(60, false);  // after release, moves no longer drag
    EXPECT_EQ(m_messages.size(), 3u);

    m_messages.clear();
    Press(250);  // beside the thumb: one jump, not a drag
    Move(280, true);
    Release(280);
    EXPECT_EQ(m_messages, std::vector<int>{843});
}

TEST_F(SeekBarTest, NoMessageWithoutAParent) {
    m_bar.m_pParent = nullptr;
    Click(150);
    EXPECT_EQ(m_bar.GetPos(), 502);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(SeekBarTest, ReleaseSnapsTheThumbToTheStoredPosition) {
    m_bar.SetPos(0, true);
    Press(3);
    Move(151, true);  // thumb at 148 gives position 505, whose thumb is at 148
    Move(152, true);  // thumb at 149: position 509
    EXPECT_EQ(m_bar.GetPos(), 509);
    Release(152);
    EXPECT_EQ(m_bar.m_thumbX, 149);  // 509 x 293 / 1000 = 149.1
    EXPECT_TRUE(m_bar.m_bHot);       // released on the thumb
}

TEST_F(SeekBarTest, PlayerTintsTheChannelLeftOfTheThumb) {
    m_bar.m_clrThumb = kPlayerThumb;
    m_bar.m_bTintThumb = true;
    for (int draw = 0; draw < 3; ++draw) {  // tints never accumulate
        m_bar.SetPos(500, true);
        const QImage& picture = m_bar.Picture();
        ASSERT_EQ(picture.size(), QSize(kTrackWidth, 7));
        // The 7-row column squeezed between the frame lines: y = 1 shows row 0,
        // y = 2 row 1, below that rows 2..6.
        for (int x : {1, 50, 146}) {
            SCOPED_TRACE(x);
            EXPECT_EQ(PixelAt(picture, x, 1), RGB(238, 226, 242));
            EXPECT_EQ(PixelAt(picture, x, 2), RGB(227, 208, 235));
            for (int y = 3; y <= 5; ++y)
                EXPECT_EQ(PixelAt(picture, x, y), RGB(212, 183, 224)) << y;
        }
        for (int y = 1; y <= 5; ++y) {
            EXPECT_EQ(PixelAt(picture, 147, y), RGB(0, 0, 0));
            EXPECT_EQ(PixelAt(picture, 153, y), RGB(0, 0, 0));
            EXPECT_EQ(PixelAt(picture, 154, y), RGB(255, 255, 255));
            EXPECT_EQ(PixelAt(picture, 298, y), RGB(255, 255, 255));
        }
        for (int x : {0, 50, 150, 299}) {
            EXPECT_EQ(PixelAt(picture, x, 0), RGB(76, 85, 118));
            EXPECT_EQ(PixelAt(picture, x, 6), RGB(76, 85, 118));
        }
        EXPECT_EQ(PixelAt(picture, 0, 3), RGB(76, 85, 118));
        EXPECT_EQ(PixelAt(picture, 299, 3), RGB(76, 85, 118));
    }

    m_bar.m_bTintTrack = false;
    m_bar.DrawBar();
    EXPECT_EQ(PixelAt(m_bar.Picture(), 50, 1), RGB(255, 255, 255));
    m_bar.m_bTintTrack = true;
    m_bar.m_bTintThumb = false;
    m_bar.DrawBar();
    EXPECT_EQ(PixelAt(m_bar.Picture(), 50, 3), RGB(255, 255, 255));
}

TEST_F(SeekBarTest, ScreenShowsThePicture) {
    m_bar.m_clrThumb = kPlayerThumb;
    m_bar.m_bTintThumb = true;
    m_bar.SetPos(700, true);
    const QImage drawn = m_bar.Picture().copy();
    const QImage shown =
        m_bar.grab(QRect(0, 0, kTrackWidth, 7)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, drawn);
}

TEST_F(SeekBarTest, EmptyRangeDrawsNoThumbAndNeverTurnsHot) {
    ShowPanel();
    m_bar.SetRange(0, 0, true);
    m_bar.SetPos(0, true);
    EXPECT_EQ(m_bar.m_rcThumb.left, -1);
    EXPECT_EQ(m_bar.m_rcThumb.top, -1);
    EXPECT_EQ(m_bar.m_rcThumb.right, -1);
    EXPECT_EQ(m_bar.m_rcThumb.bottom, -1);
    for (int x = 1; x < 8; ++x)
        EXPECT_NE(PixelAt(m_bar.Picture(), x, 3), RGB(0, 0, 0)) << x;

    QCursor::setPos(m_bar.mapToGlobal(QPoint(3, 3)));
    Move(3, false);
    Click(2);
    EXPECT_FALSE(m_bar.m_bHot);
    EXPECT_EQ(m_bar.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(m_bar.m_rcThumb.left, -1);
}

TEST_F(SeekBarTest, HandOverTheThumbArrowOnceTheCursorLeaves) {
    ShowPanel();
    m_bar.SetPos(500, true);
    QCursor::setPos(m_bar.mapToGlobal(QPoint(150, 3)));
    ASSERT_TRUE(testsupport::WaitFor([this] { return m_bar.m_bHot; }, std::chrono::seconds(2)));
    EXPECT_EQ(m_bar.cursor().shape(), Qt::PointingHandCursor);

    // Stays hot while the cursor rests on the thumb, through several timer periods.
    EXPECT_FALSE(testsupport::WaitFor([this] { return !m_bar.m_bHot; },
                                      std::chrono::milliseconds(200)));

    // Off the panel altogether: the bar sees no move, only its timer notices.
    QCursor::setPos(QPoint(600, 500));
    EXPECT_TRUE(testsupport::WaitFor(
        [this] { return !m_bar.m_bHot && m_bar.cursor().shape() == Qt::ArrowCursor; },
        std::chrono::seconds(2)))
        << "hot " << m_bar.m_bHot << " shape " << m_bar.cursor().shape() << " cursor "
        << QCursor::pos().x() << "," << QCursor::pos().y() << " bar "
        << m_bar.mapToGlobal(QPoint(0, 0)).x() << "," << m_bar.mapToGlobal(QPoint(0, 0)).y();

    // Along the bar but beside the thumb: cleared by the move itself.
    QCursor::setPos(m_bar.mapToGlobal(QPoint(150, 3)));
    ASSERT_TRUE(testsupport::WaitFor([this] { return m_bar.m_bHot; }, std::chrono::seconds(2)));
    QCursor::setPos(m_bar.mapToGlobal(QPoint(40, 3)));
    EXPECT_TRUE(testsupport::WaitFor(
        [this] { return !m_bar.m_bHot && m_bar.cursor().shape() == Qt::ArrowCursor; },
        std::chrono::seconds(2)));
}

}  // namespace
