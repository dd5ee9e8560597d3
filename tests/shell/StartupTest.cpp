// The application's start-up, in-process (no X display: no instance search).
#include "ShellTestSupport.h"

#include "app/Globals.h"
#include "app/PlayerApp.h"
#include "external/skin/SkinState.h"
#include "mainwnd/BBDlg.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "res/Strings.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::filesystem::path kDataFolder = SHELL_TEST_DATA;
const std::filesystem::path kCatalogue = kDataFolder / "VantriBB.dat";

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        std::filesystem::remove_all(kDataFolder);
        iniPath = platform::FsPath(platform::ExecutableFolder() + "Vantri.ini");
        testsupport::WriteFile(iniPath, "[VIEDO]\r\nViedoPath=" + cache.ProgramPath() + "\r\n");
    }
    void TearDown() override { std::filesystem::remove_all(kDataFolder); }

    shelltest::SharedFilesLock lock;
    std::filesystem::path iniPath;
    testsupport::ScratchDir cache;
    shelltest::LinkListServer server{SHELL_TEST_PORT};
};

}  // namespace

TEST_F(StartupTest, Code1001ComesBeforeCode1002AndTheProcessEnds) {
    std::filesystem::remove(iniPath);
    shelltest::BoxRecorder boxes;
    g_pMainDlg = nullptr;
    CPlayerApp app;
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, res::Code1001Text());
    EXPECT_EQ(boxes.boxes[1].text, res::Code1002Text());
    EXPECT_EQ(boxes.boxes[1].title, res::kTitleVantri);
    EXPECT_EQ(boxes.boxes[1].flags, 0x10u);
    EXPECT_EQ(boxes.boxes[1].owner, nullptr);
    EXPECT_EQ(g_pMainDlg, nullptr);  // no main window was made
    EXPECT_EQ(app.ExitInstance(), 0);
}

TEST_F(StartupTest, SkinEngineStartsWithTheThreePackages) {
    shelltest::BoxRecorder boxes;
    CPlayerApp app;
    app.InitInstance();
    const auto& folders = SkinState::Instance().LoadedFolders();
    ASSERT_GE(folders.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(folders.end() - 3, folders.end()),
              (std::vector<std::string>{"Themes/Vantri", "Themes/VantriBB", "Themes/changeskin"}));
    EXPECT_TRUE(SkinState::Instance().MenusSkinned());
    EXPECT_TRUE(SkinState::Instance().HookEnabled());
}

TEST_F(StartupTest, LastSkinRowOfTheEmptyUserWinsAndNullTextureReadsNull) {
    shelltest::BuildCatalogue(
        "skin: 10 | 20 | 30 | wood | theme | \n"
        "skin: 136 | -5 | 7 | \\N | theme | \n"
        "skin: 99 | 99 | 99 | other | theme | someone\n",
        kCatalogue);
    shelltest::BoxRecorder boxes;
    g_pMainDlg = nullptr;
    std::string appliedTexture;
    SkinHsb appliedHsb;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!g_pMainDlg || !g_pMainDlg->isVisible())
            return;
        appliedTexture = SkinState::Instance().SubItemValue(g_pMainDlg, "item.texture").value_or("");
        appliedHsb = SkinState::Instance().Hsb();
        g_pMainDlg->SendCommand(platform::IDC_CANCEL);  // Esc
    });
    poll.start(10);
    CPlayerApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(g_strSkinTexture, "(null)");
    EXPECT_EQ(appliedTexture, "(null)");
    EXPECT_EQ(appliedHsb.hue, 136);
    EXPECT_EQ(appliedHsb.saturation, -5);
    EXPECT_EQ(appliedHsb.brightness, 7);
}

TEST_F(StartupTest, ACatalogueWithTheWrongKeyIsCode1002) {
    testsupport::WriteFile(kCatalogue, std::string(4096, 'z'));
    shelltest::BoxRecorder boxes;
    CPlayerApp app;
    EXPECT_FALSE(app.InitInstance());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, res::Code1002Text());
}
