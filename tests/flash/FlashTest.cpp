// The movie control on real movies in a real page: frame counts, playback
// commands, replacing the movie, unreadable files, the picture, double clicks.
#include "player/ShockwaveFlash.h"
#include "player/swf/Swf.h"

#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QMouseEvent>
#include <QWebEngineView>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>

namespace swf {
// Names the script kind in test listings.
void PrintTo(Script script, std::ostream* out) {
    *out << (script == Script::As2 ? "As2" : "As3");
}
}  // namespace swf

namespace {

using namespace std::chrono_literals;
using testsupport::WaitFor;

// The engine reads its flags when the QApplication starts, before main.
[[maybe_unused]] const bool kWebEngineConfigured = (ConfigureWebEngineProcess(), true);

constexpr auto kLoadTimeout = 30s;
// Long enough for a 12 fps movie to move on several frames.
constexpr auto kStillWindow = 1s;

// What the window system delivers for a double click: the second press comes as
// a double-click event.
void DoubleClick(QWidget* target, QPointF at) {
    const struct {
        QEvent::Type type;
        Qt::MouseButtons buttons;
    } steps[] = {{QEvent::MouseButtonPress, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, Qt::NoButton},
                 {QEvent::MouseButtonDblClick, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, Qt::NoButton}};
    ulong timestamp = QDateTime::currentMSecsSinceEpoch() & 0x7FFFFFFF;
    for (const auto& step : steps) {
        QMouseEvent event(step.type, at, target->mapToGlobal(at), Qt::LeftButton, step.buttons,
                          Qt::NoModifier);
        event.setTimestamp(timestamp += 20);
        QApplication::sendEvent(target, &event);
    }
}

class FlashFixture {
protected:
    FlashFixture() {
        CShockwaveFlash::SetRuffleFolder(LALORA_PROGRAM_DIR "/ruffle/");
        m_host.resize(400, 300);
        m_host.show();
    }

    bool CreateControl() {
        return m_flash->CreateControl(&m_host, QRect(0, 0, 400, 300), 1000);
    }

    std::string WriteMovie(const std::string& gbkName, swf::MovieOptions format) {
        const swf::Bytes bytes = swf::WriteMovie(format);
        const auto path = m_dir.Path() / platform::FsPath(gbkName);
        testsupport::WriteFile(path, std::string(bytes.begin(), bytes.end()));
        return platform::GbkPath(path);
    }

    bool LoadAndWait(const std::string& path, int frames) {
        m_flash->LoadMovie(0, path);
        return WaitFor([&] { return m_flash->GetTotalFrames() == frames; }, kLoadTimeout);
    }

    bool Advances() {
        const int start = m_flash->CurrentFrame();
        return WaitFor([&] { return m_flash->CurrentFrame() != start; }, 5s);
    }

    bool StaysAt(int frame) {
        return !WaitFor([&] { return m_flash->CurrentFrame() != frame; }, kStillWindow);
    }

    QImage Picture() { return m_flash->grab().toImage(); }

    // The picture once the frame drawn last has reached the screen.
    QImage SettledPicture() {
        QImage picture = Picture();
        WaitFor([&] { return std::exchange(picture, Picture()) == picture; }, 3s);
        return picture;
    }

    bool PictureStaysAs(const QImage& picture) {
        return !WaitFor([&] { return Picture() != picture; }, kStillWindow);
    }

    testsupport::ScratchDir m_dir;
    QWidget m_host;
    // Declared after the host, so it leaves the host before the host goes.
    std::unique_ptr<CShockwaveFlash> m_flash = std::make_unique<CShockwaveFlash>();
};

class FlashPlayback : public FlashFixture, public ::testing::TestWithParam<swf::Script> {
protected:
    void SetUp() override { ASSERT_TRUE(CreateControl()); }

    std::string Movie(const std::string& gbkName, int frames) {
        swf::MovieOptions format;
        format.frameCount = frames;
        format.script = GetParam();
        return WriteMovie(gbkName, format);
    }
};

TEST_P(FlashPlayback, ReportsTheFrameCountAndPlays) {
    ASSERT_TRUE(LoadAndWait(Movie("小星星.swf", 60), 60));
    EXPECT_TRUE(Advances());
}

TEST_P(FlashPlayback, FollowsThePlayersCommands) {
    ASSERT_TRUE(LoadAndWait(Movie("song.swf", 60), 60));

    m_flash->SetFrameNum(30);
    EXPECT_EQ(m_flash->CurrentFrame(), 30);
    EXPECT_TRUE(StaysAt(30));

    m_flash->Play();
    EXPECT_TRUE(Advances());

    m_flash->Stop();
    EXPECT_TRUE(StaysAt(m_flash->CurrentFrame()));

    m_flash->Rewind();
    EXPECT_EQ(m_flash->CurrentFrame(), 0);
    EXPECT_TRUE(StaysAt(0));

    m_flash->Play();
    EXPECT_TRUE(WaitFor([&] { return m_flash->CurrentFrame() > 0; }, 5s));
}

TEST_P(FlashPlayback, KeepsCommandsGivenWhileTheMovieLoads) {
    m_flash->LoadMovie(0, Movie("early.swf", 60));
    m_flash->SetFrameNum(20);
    ASSERT_TRUE(WaitFor([&] { return m_flash->GetTotalFrames() == 60; }, kLoadTimeout));
    EXPECT_TRUE(WaitFor([&] { return m_flash->CurrentFrame() == 20; }, 5s));
    EXPECT_TRUE(StaysAt(20));
}

TEST_P(FlashPlayback, ASecondMovieReplacesTheFirst) {
    ASSERT_TRUE(LoadAndWait(Movie("first.swf", 60), 60));
    ASSERT_TRUE(LoadAndWait(Movie("second.swf", 90), 90));
    EXPECT_TRUE(Advances());
}

TEST_P(FlashPlayback, ThePictureMovesAndAPauseFreezesIt) {
    swf::MovieOptions format;
    format.script = GetParam();
    format.withSound = true;
    ASSERT_TRUE(LoadAndWait(WriteMovie("picture.swf", format), format.frameCount));
    const QImage first = Picture();
    EXPECT_TRUE(WaitFor([&] { return Picture() != first; }, 5s));

    m_flash->Stop();
    const QImage paused = SettledPicture();
    EXPECT_TRUE(PictureStaysAs(paused));

    m_flash->Play();
    EXPECT_TRUE(WaitFor([&] { return Picture() != paused; }, 5s));
}

TEST_P(FlashPlayback, ReportsADoubleClickOnTheMovie) {
    ASSERT_TRUE(LoadAndWait(Movie("click.swf", 60), 60));
    int doubleClicks = 0;
    QObject::connect(m_flash.get(), &CShockwaveFlash::DoubleClicked, [&] { ++doubleClicks; });
    auto* view = m_flash->findChild<QWebEngineView*>();
    ASSERT_NE(view, nullptr);
    QWidget* surface = view->focusProxy() ? view->focusProxy() : view;
    DoubleClick(surface, QPointF(200, 150));
    EXPECT_TRUE(WaitFor([&] { return doubleClicks == 1; }, 5s));
}

INSTANTIATE_TEST_SUITE_P(Scripts, FlashPlayback, ::testing::Values(swf::Script::As2, swf::Script::As3),
                         [](const auto& info) {
                             return info.param == swf::Script::As2 ? "As2" : "As3";
                         });

class FlashFailures : public FlashFixture, public ::testing::Test {};

TEST_F(FlashFailures, AnUnreadableFileLeavesTheFrameCountUnknown) {
    ASSERT_TRUE(CreateControl());
    const std::string good = WriteMovie("good.swf", swf::MovieOptions{});
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty.swf", ""},
        {"garbage.swf", std::string(4096, '\x5a')},
        {"header.swf", "FWS"},
        {"page.swf", "<html><body>not found</body></html>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(LoadAndWait(good, 60));
        const auto path = m_dir.Path() / c.name;
        testsupport::WriteFile(path, c.bytes);
        EXPECT_NO_THROW(m_flash->LoadMovie(0, platform::GbkPath(path)));
        EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
        EXPECT_FALSE(WaitFor([&] { return m_flash->GetTotalFrames() != FRAME_UNKNOWN; }, kStillWindow));
        // The movie before it is gone, not playing on unseen.
        EXPECT_TRUE(PictureStaysAs(SettledPicture()));
    }
    for (const std::string& path : {platform::GbkPath(m_dir.Path() / "missing.swf"),
                                    platform::GbkPath(m_dir.Path()), std::string()}) {
        EXPECT_NO_THROW(m_flash->LoadMovie(0, path));
        EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
    }
}

TEST_F(FlashFailures, ABusyPageMakesCommandsRaiseUntilTheNextMovie) {
    ASSERT_TRUE(CreateControl());
    const std::string movie = WriteMovie("movie.swf", swf::MovieOptions{});
    ASSERT_TRUE(LoadAndWait(movie, 60));
    m_flash->SetFrameNum(30);
    // Busy for twice the command time-out.
    m_flash->findChild<QWebEngineView*>()->page()->runJavaScript(
        "for (const end = Date.now() + 4000; Date.now() < end;) {}");
    EXPECT_THROW(m_flash->Stop(), FlashError);
    EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
    EXPECT_EQ(m_flash->CurrentFrame(), 30);
    EXPECT_THROW(m_flash->Rewind(), FlashError);
    EXPECT_NO_THROW(m_flash->Play());
    EXPECT_TRUE(LoadAndWait(movie, 60));
    EXPECT_NO_THROW(m_flash->Stop());
}

TEST_F(FlashFailures, WithoutAControlQueriesAnswerUnknownAndCommandsRaise) {
    EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
    EXPECT_NO_THROW(m_flash->CurrentFrame());
    EXPECT_NO_THROW(m_flash->Play());
    EXPECT_NO_THROW(m_flash->LoadMovie(0, WriteMovie("movie.swf", swf::MovieOptions{})));
    EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
    EXPECT_THROW(m_flash->Stop(), FlashError);
    EXPECT_THROW(m_flash->Rewind(), FlashError);
    EXPECT_THROW(m_flash->SetFrameNum(30), FlashError);
}

TEST_F(FlashFailures, NoControlIsCreatedWithoutThePlayerFiles) {
    CShockwaveFlash::SetRuffleFolder(m_dir.ProgramPath());
    EXPECT_FALSE(CreateControl());
    EXPECT_EQ(m_flash->GetTotalFrames(), FRAME_UNKNOWN);
    EXPECT_THROW(m_flash->Stop(), FlashError);
}

}  // namespace
