// The main window in-process: set-up, layout, frame commands, tray, link list.
#include "ShellTestSupport.h"

#include "app/Globals.h"
#include "external/qopfc/QoPfcSystem.h"
#include "external/skin/SkinDLL.h"
#include "external/skin/SkinState.h"
#include "mainwnd/AboutDlg.h"
#include "mainwnd/BBDlg.h"
#include "platform/Config.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "platform/Menu.h"
#include "platform/Window.h"
#include "res/Strings.h"
#include "res/dialogs/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QProgressBar>
#include <QTreeWidget>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace res;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        QApplication::setQuitOnLastWindowClosed(false);
        if (!g_pPfcSystem)
            g_pPfcSystem = new CQoPfcSystem;
    }

    void SetUp() override {
        testsupport::WriteFile(platform::FsPath(platform::ExecutableFolder() + "Vantri.ini"),
                               "[VIEDO]\r\nViedoPath=" + cache.ProgramPath() + "videos\r\n");
        server->SetBody(shelltest::LinkList(3));
        g_bExiting = 0;
    }
    void TearDown() override {
        platform::SetMenuHook({});
        platform::SetShellOpenHook({});
    }

    std::unique_ptr<CBBDlg> CreateMainWindow() {
        auto dialog = std::make_unique<CBBDlg>();
        EXPECT_TRUE(dialog->Create());
        dialog->show();
        return dialog;
    }

    shelltest::SharedFilesLock lock;  // first: the port and the INI file are shared
    std::unique_ptr<shelltest::LinkListServer> server =
        std::make_unique<shelltest::LinkListServer>(SHELL_TEST_PORT);
    testsupport::ScratchDir cache;
    shelltest::BoxRecorder boxes;
};

std::string ElementOf(const QWidget* widget) {
    return SkinState::Instance().ElementOf(widget).value_or("");
}

}  // namespace

TEST_F(MainWindowTest, ConstructorReadsTheCacheFolderAndCreatesIt) {
    auto dialog = std::make_unique<CBBDlg>();
    EXPECT_EQ(dialog->m_strCachePath, cache.ProgramPath() + "videos");
    EXPECT_TRUE(std::filesystem::is_directory(cache.Path() / "videos"));
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(dialog->m_strShowAdUrl, platform::Config::Instance().WebServer() + "/bbad.asp?from=showad");
}

TEST_F(MainWindowTest, MissingCacheFolderValueShowsCode1001AndGoesOn) {
    testsupport::WriteFile(platform::FsPath(platform::ExecutableFolder() + "Vantri.ini"), "[VIEDO]\r\n");
    auto dialog = std::make_unique<CBBDlg>();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, Code1001Text());
    EXPECT_EQ(boxes.boxes[0].title, kTitleVantri);
    EXPECT_EQ(boxes.boxes[0].flags, 0u);
    EXPECT_EQ(boxes.boxes[0].owner, nullptr);
    EXPECT_EQ(dialog->m_strCachePath, "");
}

TEST_F(MainWindowTest, InitDialogBindsSkinsMarksTheWindowAndStartsTimers) {
    auto dialog = CreateMainWindow();
    EXPECT_EQ(dialog->GetWindowText(), "Lalora-Vantri");
    EXPECT_EQ(platform::GetProp(dialog.get(), platform::ExecutableBaseName()), 2011);
    EXPECT_EQ(g_pMainDlg, dialog.get());
    EXPECT_EQ(ElementOf(dialog.get()), "mainframe11");
    EXPECT_EQ(ElementOf(dialog->GetDlgItem(IDC_BTN_MAXIMIZE)), "button.system.max");
    EXPECT_EQ(ElementOf(dialog->GetDlgItem(IDC_TAB_HISTORY)), "radio.tab");
    EXPECT_EQ(ElementOf(dialog->GetDlgItem(IDC_LINK_TEXT)), "item.text.link");
    EXPECT_EQ(ElementOf(dialog->m_treeCatalogue), "tree.videolist");
    EXPECT_EQ(SkinState::Instance().SubItemValue(dialog.get(), "item.text").value_or(""), " Lalora");
    EXPECT_TRUE(dialog->IsDlgButtonChecked(IDC_RADIO_HOME));
    EXPECT_TRUE(dialog->IsDlgButtonChecked(IDC_TAB_LATEST));
    EXPECT_TRUE(dialog->m_browser->isHidden());
    EXPECT_TRUE(dialog->m_timers.IsRunning(IDT_STARTUP));
    EXPECT_TRUE(dialog->m_timers.IsRunning(IDT_ADLINK));
    EXPECT_EQ(dialog->m_trayIcon.Data().uID, 136u);
    EXPECT_STREQ(dialog->m_trayIcon.Data().szTip, "Lalora");

    int count = 0;
    const std::string status = dialog->GetDlgItemText(IDC_STATUS_TEXT);
    ASSERT_EQ(std::sscanf(status.c_str(), "现在有 %d 位宝宝在乐园", &count), 1) << status;
    EXPECT_GE(count, 100000);
    EXPECT_LE(count, 132767);
}

TEST_F(MainWindowTest, StartupTimerFiresOnce) {
    auto dialog = CreateMainWindow();
    ASSERT_TRUE(testsupport::WaitFor([&] { return !dialog->m_timers.IsRunning(IDT_STARTUP); },
                                     std::chrono::seconds(5)));
}

TEST_F(MainWindowTest, LayoutFollowsTheClientSize) {
    auto dialog = CreateMainWindow();
    const QRect closeButton = dialog->GetDlgItem(IDC_BTN_CLOSE)->geometry();
    for (const QSize size : {QSize(820, 700), QSize(1200, 900)}) {
        dialog->resize(size);
        dialog->LayoutControls();
        const int w = size.width(), h = size.height();
        EXPECT_EQ(dialog->GetDlgItem(IDC_TAB_FAVOURITES)->geometry(), QRect(70, 106, 68, 30));
        EXPECT_EQ(dialog->GetDlgItem(IDC_STATUS_TEXT)->geometry(), QRect(8, h - 21, 190, 30));
        EXPECT_EQ(dialog->GetDlgItem(IDC_LINK_TEXT)->geometry(), QRect(207, h - 21, w - 350, 30));
        EXPECT_EQ(dialog->m_progress->geometry(), QRect(w - 108, h - 20, 100, 10));
        EXPECT_EQ(dialog->m_treeHome->geometry(), QRect(2, 135, 205, h - 166));
        EXPECT_EQ(dialog->m_treeCatalogue->geometry(), QRect(2, 135, 205, h - 166));
        EXPECT_EQ(dialog->m_browser->geometry(), QRect(2, 106, w - 4, h - 137));
        EXPECT_EQ(dialog->GetDlgItem(IDC_BTN_CLOSE)->geometry(), closeButton);
    }
}

TEST_F(MainWindowTest, MaximiseCoversTheWorkAreaAndRestoreComesBack) {
    auto dialog = CreateMainWindow();
    const QRect before = platform::GetWindowRect(dialog.get());
    dialog->SendCommand(IDC_BTN_MAXIMIZE);
    const QRect area = platform::WorkArea(dialog.get());
    EXPECT_EQ(dialog->m_bMaximized, 1);
    EXPECT_EQ(dialog->geometry(), area.adjusted(-2, -2, 2, 2));
    EXPECT_EQ(ElementOf(dialog->GetDlgItem(IDC_BTN_MAXIMIZE)), "button.system.restore");
    EXPECT_EQ(dialog->m_browser->width(), area.width() + 4 - 4);  // laid out for the new size
    dialog->SendCommand(IDC_BTN_MAXIMIZE);
    EXPECT_EQ(dialog->m_bMaximized, 0);
    EXPECT_EQ(platform::GetWindowRect(dialog.get()), before);
    EXPECT_EQ(ElementOf(dialog->GetDlgItem(IDC_BTN_MAXIMIZE)), "button.system.max");
}

TEST_F(MainWindowTest, CloseQuestionAnsweredNoKeepsRunningAndYesExits) {
    auto dialog = CreateMainWindow();
    boxes.answer = platform::IDNO;
    dialog->SendCommand(IDC_BTN_CLOSE);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "您确定要退出Lalora吗？");
    EXPECT_EQ(boxes.boxes[0].title, "Lalora");
    EXPECT_EQ(boxes.boxes[0].flags, 0x124u);
    EXPECT_EQ(boxes.boxes[0].owner, dialog.get());
    EXPECT_TRUE(dialog->IsWindowCreated());
    EXPECT_EQ(g_bExiting, 0);

    boxes.answer = platform::IDYES;
    dialog->close();  // the window manager's close request asks the same
    EXPECT_EQ(boxes.boxes.size(), 2u);
    EXPECT_FALSE(dialog->IsWindowCreated());
    EXPECT_EQ(g_bExiting, 1);
    EXPECT_FALSE(dialog->m_trayIcon.IsEnabled());
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscEndsWithoutTheQuestion) {
    auto dialog = std::make_unique<CBBDlg>();
    bool stillOpenAfterEnter = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &enter);
        stillOpenAfterEnter = dialog->isVisible();
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog.get(), &esc);
    });
    EXPECT_EQ(dialog->DoModal(), platform::IDC_CANCEL);
    EXPECT_TRUE(stillOpenAfterEnter);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindowTest, TrayNotifications) {
    auto dialog = CreateMainWindow();
    int menus = 0;
    int chosen = 0;
    platform::SetMenuHook([&](const platform::MenuCall& call) {
        ++menus;
        EXPECT_EQ(call.menu.Items().size(), 8u);
        EXPECT_EQ(call.menu.DefaultItem(), 7);
        EXPECT_EQ(call.menu.Items()[7].text, "退出");
        EXPECT_EQ(call.owner, dialog.get());
        return chosen;
    });
    const struct {
        unsigned wParam, lParam;
        long result;
        int menus;
    } cases[] = {
        {136, platform::WM_LBUTTONUP, 1, 0},   {136, platform::WM_MOUSEMOVE, 1, 0},
        {137, platform::WM_RBUTTONUP, 0, 0},   {137, platform::WM_LBUTTONUP, 0, 0},
        {136, platform::WM_RBUTTONUP, 1, 1},   {137, platform::WM_LBUTTONDBLCLK, 0, 0},
        {136, platform::WM_LBUTTONDBLCLK, 0, 0},
    };
    for (const auto& c : cases) {
        menus = 0;
        EXPECT_EQ(dialog->OnTrayNotify(c.wParam, c.lParam), c.result) << c.wParam << " " << c.lParam;
        EXPECT_EQ(menus, c.menus);
    }

    // A double click brings a minimised window back; "显示主界面" does the same.
    for (const bool byMenu : {false, true}) {
        platform::ShowWindow(dialog.get(), platform::SW_MINIMIZE);
        chosen = ID_TRAY_SHOW;
        dialog->OnTrayNotify(byMenu ? 136 : 999, byMenu ? platform::WM_RBUTTONUP : platform::WM_LBUTTONDBLCLK);
        EXPECT_FALSE(dialog->isMinimized());
        EXPECT_TRUE(dialog->isVisible());
    }

    chosen = ID_TRAY_EXIT;
    dialog->OnTrayNotify(136, platform::WM_RBUTTONUP);
    EXPECT_TRUE(boxes.boxes.empty());  // no question
    EXPECT_FALSE(dialog->IsWindowCreated());
    EXPECT_EQ(g_bExiting, 1);
}

TEST_F(MainWindowTest, MenuButtonOpensItsPopupUnderTheButton) {
    auto dialog = CreateMainWindow();
    std::vector<std::string> opened;
    platform::SetShellOpenHook([&](const std::string& url) { opened.push_back(url); });
    QPoint shownAt;
    int chosen = ID_MENU_HOMEPAGE;
    platform::SetMenuHook([&](const platform::MenuCall& call) {
        shownAt = call.screenPoint;
        EXPECT_EQ(call.menu.Items().size(), 4u);
        EXPECT_EQ(call.menu.Items()[0].text, "设置");
        EXPECT_TRUE(call.menu.Items()[1].separator);
        EXPECT_EQ(call.menu.Items()[2].text, "Lalora官网");
        EXPECT_EQ(call.menu.Items()[3].text, "关于我们");
        return chosen;
    });
    dialog->SendCommand(IDC_BTN_MENU);
    const QRect button = platform::GetWindowRect(dialog->GetDlgItem(IDC_BTN_MENU));
    EXPECT_EQ(shownAt, QPoint(button.left(), button.top() + button.height()));
    EXPECT_EQ(opened, std::vector<std::string>{platform::Config::Instance().WebServer() + "/"});

    // The about box runs modally until its OK button.
    chosen = ID_MENU_ABOUT;
    bool aboutShown = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* about = qobject_cast<CAboutDlg*>(window); about && about->isVisible()) {
                aboutShown = about->GetWindowText() == "关于 Lalora";
                about->SendCommand(platform::IDC_OK);
            }
    });
    dialog->SendCommand(IDC_BTN_MENU);
    EXPECT_TRUE(aboutShown);
}

TEST_F(MainWindowTest, LinkTextOpensOnlyWebAddresses) {
    auto dialog = CreateMainWindow();
    std::vector<std::string> opened;
    platform::SetShellOpenHook([&](const std::string& url) { opened.push_back(url); });
    EXPECT_EQ(dialog->m_strAdUrl, "http://example.test/0");
    dialog->SendCommand(IDC_LINK_TEXT);
    dialog->m_strAdUrl = "file:///etc/passwd";
    dialog->SendCommand(IDC_LINK_TEXT);
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.test/0"});
}

TEST_F(MainWindowTest, LinkListCases) {
    const std::string huge(100000, 'x');
    const struct {
        const char* name;
        std::string body;
        int status;
        std::size_t entries;
    } cases[] = {
        {"good", shelltest::LinkList(3), 200, 3},
        {"not XML", "<html><body>error", 200, 0},
        {"no File children", "<list><Item Text=\"a\" Url=\"b\"/></list>", 200, 0},
        {"server error", shelltest::LinkList(3), 500, 0},
        {"empty", "", 200, 0},
        {"thousands", shelltest::LinkList(5000), 200, kMaxAdLinks},
        {"huge attribute", "<l><File Text=\"" + huge + "\" Url=\"u\"/><File Text=\"t\" Url=\"http://ok.test/\"/></l>", 200, 1},
    };
    for (const auto& c : cases) {
        server->SetBody(c.body, c.status);
        CBBDlg dialog;
        EXPECT_EQ(dialog.m_adList.size(), c.entries) << c.name;
        EXPECT_EQ(dialog.m_bAdRotation, c.entries > 0) << c.name;
        EXPECT_EQ(dialog.m_strAdUrl.empty(), c.entries == 0) << c.name;
        ASSERT_TRUE(dialog.Create());
        EXPECT_EQ(dialog.m_timers.IsRunning(IDT_ADLINK), c.entries > 0) << c.name;
    }
    server->SetBody(shelltest::LinkList(2));
    CBBDlg dialog;
    ASSERT_EQ(dialog.m_adList.size(), 2u);
    EXPECT_EQ(dialog.m_adList[1].strText, "T1");
    EXPECT_EQ(dialog.m_adList[1].strUrl, "http://example.test/1");
    EXPECT_EQ(dialog.m_adPos, dialog.m_adList.begin());
}

TEST_F(MainWindowTest, ColourShiftChangesTheDrawnButtons) {
    auto dialog = CreateMainWindow();
    QWidget* close = dialog->GetDlgItem(IDC_BTN_CLOSE);
    SkinDLL_SetHSB(0, 0, 0);
    const QImage plain = close->grab().toImage();
    SkinDLL_SetHSB(136, 20, 0);
    const QImage shifted = close->grab().toImage();
    SkinDLL_SetHSB(0, 0, 0);
    EXPECT_EQ(SkinState::Instance().Hsb().hue, 0);
    EXPECT_NE(plain, shifted);
}

TEST(RandomBetween, StaysInRangeAndVaries) {
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int value = RandomBetween(10000, 100000);
        ASSERT_GE(value, 10000);
        ASSERT_LE(value, 10000 + 32767);
        seen.insert(value);
    }
    EXPECT_GT(seen.size(), 100u);
}
