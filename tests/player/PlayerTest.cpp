// The player panel on real movies in a real movie control.
#include "player/DlgPlayer.h"
#include "player/ShockwaveFlash.h"
#include "player/swf/Swf.h"

#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using testsupport::WaitFor;

[[maybe_unused]] const bool kWebEngineConfigured = (ConfigureWebEngineProcess(), true);
constexpr auto kLoadTimeout = 30s;

// Stands in for the main window: places the panel the way its layout does.
class MainWindowStandIn : public QWidget {
public:
    CDlgPlayer* panel = nullptr;

protected:
    void resizeEvent(QResizeEvent*) override {
        if (panel && !panel->isWindow())
            panel->setGeometry(207, 106, width() - 209, height() - 137);
    }
};

class PlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        CShockwaveFlash::SetRuffleFolder(LALORA_PROGRAM_DIR "/ruffle/");
        main.resize(900, 640);
        main.show();
        player.Create(&main);
        main.panel = &player;
        main.resize(901, 640);
        ASSERT_TRUE(WaitFor([&] { return player.width() == 901 - 209; }));
    }

    std::string Movie(const std::string& gbkName, int frames, double rate = 12) {
        swf::MovieOptions options;
        options.frameCount = frames;
        options.frameRate = rate;
        const swf::Bytes bytes = swf::WriteMovie(options);
        const std::string path = dir.ProgramPath() + gbkName;
        testsupport::WriteFile(platform::FsPath(path), std::string(bytes.begin(), bytes.end()));
        return path;
    }

    std::string Status() const {
        return platform::QStringToGbk(player.GetDlgItemAs<QLabel>(CDlgPlayer::IDC_STATUS)->text());
    }

    bool PlayAndWait(const std::string& path, int frames) {
        player.PlayFile(path);
        return WaitFor([&] { return player.Flash() && player.Flash()->GetTotalFrames() == frames; },
                       kLoadTimeout);
    }

    testsupport::ScratchDir dir;
    MainWindowStandIn main;
    CDlgPlayer player;
};

TEST(PlayerTitle, TitleFromPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\cache\\song.swf", "song"}, {"/cache/a.b.swf", "a.b"}, {"/cache/小星星.swf", "小星星"},
        {"plain", "plain"},  {"/cache/noext", "noext"}, {"dir\\x/y.swf", "x/y"},
        {"/cache/誠實的孩子.swf", "誠實的孩子"},  // 誠's second GBK byte is a backslash
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(CDlgPlayer::TitleFromPath(path), title) << path;
}

TEST_F(PlayerTest, BeforeTheFirstMovieTheButtonsDoNothing) {
    for (int id : {CDlgPlayer::IDC_BTN_PLAY, CDlgPlayer::IDC_BTN_PAUSE, CDlgPlayer::IDC_BTN_STOP})
        player.SendCommand(id);
    EXPECT_FALSE(player.IsActive());
    EXPECT_EQ(player.Flash(), nullptr);
    EXPECT_EQ(Status(), "00:00:00/99:99:99");
}

TEST_F(PlayerTest, EmptyOrMissingPathsOnlyShowThePanel) {
    player.hide();
    player.PlayFile("");
    EXPECT_TRUE(player.isVisible());
    player.hide();
    player.PlayFile(dir.ProgramPath() + "没有.swf");
    EXPECT_TRUE(player.isVisible());
    EXPECT_EQ(player.Flash(), nullptr);
    EXPECT_FALSE(player.IsActive());
}

TEST_F(PlayerTest, PlaysPausesAndStopsWithTheStatusLineCounting) {
    ASSERT_TRUE(PlayAndWait(Movie("小星星.swf", 100, 24), 100));
    EXPECT_TRUE(player.IsActive());
    EXPECT_TRUE(WaitFor([&] { return Status().rfind("您在看：小星星(", 0) == 0; }));
    EXPECT_TRUE(WaitFor([&] { return player.SeekBar().GetPos() > 0; }));

    player.OnPause();
    EXPECT_TRUE(player.IsActive());
    player.Flash()->SetFrameNum(99);
    EXPECT_TRUE(WaitFor([&] { return Status() == "您在看：小星星(100/100)"; })) << Status();
    EXPECT_TRUE(WaitFor([&] { return player.SeekBar().GetPos() == 990; }));

    player.OnStop();
    EXPECT_FALSE(player.IsActive());
    EXPECT_EQ(player.SeekBar().GetPos(), 0);
    EXPECT_TRUE(WaitFor([&] { return Status() == "您在看：小星星(0/100)"; })) << Status();
}

TEST_F(PlayerTest, SeekToTheMiddleOfA240FrameMovieGoesToFrame120AndPlays) {
    ASSERT_TRUE(PlayAndWait(Movie("seek.swf", 240), 240));
    player.OnStop();
    player.SeekBar().SetPos(500, false);
    emit player.SeekBar().HScroll(CXScrollBar::SB_THUMBTRACK, 500, &player.SeekBar());
    EXPECT_TRUE(player.IsActive());
    EXPECT_TRUE(WaitFor([&] { return player.Flash()->CurrentFrame() >= 120; }));
    EXPECT_TRUE(WaitFor([&] { return player.Flash()->CurrentFrame() > 121; })) << "plays on";
}

TEST_F(PlayerTest, KeysNeverReachTheButtons) {
    ASSERT_TRUE(PlayAndWait(Movie("keys.swf", 60), 60));
    QWidget* stop = player.GetDlgItem(CDlgPlayer::IDC_BTN_STOP);
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, " ");
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, " ");
        QApplication::sendEvent(stop, &press);
        QApplication::sendEvent(stop, &release);
    }
    EXPECT_TRUE(player.IsActive());
}

TEST_F(PlayerTest, FullScreenAndBack) {
    ASSERT_TRUE(PlayAndWait(Movie("full.swf", 60), 60));
    player.ToggleFullScreen();
    EXPECT_TRUE(player.IsFullScreen());
    EXPECT_TRUE(player.isWindow());
    EXPECT_FALSE(main.isVisible());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&player, &escape);
    EXPECT_TRUE(player.IsFullScreen()) << "Esc does not leave full screen";

    player.SendCommand(CDlgPlayer::IDC_BTN_FULL);
    EXPECT_FALSE(player.IsFullScreen());
    EXPECT_EQ(player.parentWidget(), &main);
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(WaitFor([&] {
        return player.geometry() == QRect(207, 106, main.width() - 209, main.height() - 137);
    }));
    EXPECT_TRUE(player.isVisible());
}

TEST_F(PlayerTest, AGarbageFileLeavesThePanelUsable) {
    const std::string garbage = dir.ProgramPath() + "garbage.swf";
    testsupport::WriteFile(platform::FsPath(garbage), "FWS\x08 this is not a movie");
    player.PlayFile(garbage);
    EXPECT_TRUE(WaitFor([&] { return Status() == "正在准备，请稍等...  "; }));
    ASSERT_TRUE(PlayAndWait(Movie("after.swf", 30), 30));
    EXPECT_TRUE(WaitFor([&] { return Status().rfind("您在看：after(", 0) == 0; }));
}

}  // namespace
