#include "BBDlg.h"

#include "AboutDlg.h"

#include "app/Globals.h"
#include "external/qopfc/QoPfcSystem.h"
#include "external/qospider/QospiderApp.h"
#include "external/skin/SkinDLL.h"
#include "platform/Config.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Gbk.h"
#include "platform/MessageBox.h"
#include "platform/ProfileFile.h"
#include "platform/Window.h"
#include "res/Strings.h"
#include "res/dialogs/Dialogs.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <QResizeEvent>
#include <QTreeWidget>

#include <ctime>
#include <filesystem>
#include <system_error>

using namespace res;

namespace {

constexpr std::size_t kIniPathBuffer = 255;
constexpr std::size_t kIniValueBuffer = 256;

}  // namespace

int RandomBetween(int lo, int hi) {
    // The classic 15-bit linear congruential generator.
    static bool g_bRandSeeded = false;
    static unsigned int state = 0;
    if (!g_bRandSeeded) {
        state = static_cast<unsigned int>(std::time(nullptr));
        g_bRandSeeded = true;
    }
    state = state * 214013u + 2531011u;
    const int r = static_cast<int>((state >> 16) & 0x7FFF);
    return lo + r % (hi - lo + 1);
}

CBBDlg::CBBDlg(QWidget* parent)
    : CDialog(Dialog103(), parent), m_timers([this](unsigned id) { OnTimer(id); }) {
    m_hIcon = LoadIcon(IDR_MAINFRAME_ICON);
    g_bDownloading = 0;
    m_strShowAdUrl = platform::Config::Instance().WebServer() + "/bbad.asp?from=showad";
    ReadCacheFolder();
    LoadAdList();
}

CBBDlg::~CBBDlg() = default;

void CBBDlg::ReadCacheFolder() {
    const std::string iniPath = g_pPfcSystem->GetExePath() + "Vantri.ini";
    // A program folder too long for the path buffer leaves no INI file to read.
    const std::string value =
        iniPath.size() < kIniPathBuffer
            ? platform::GetPrivateProfileString("VIEDO", "ViedoPath", "", kIniValueBuffer, iniPath)
            : std::string();
    if (value.empty())
        platform::MessageBox(nullptr, Code1001Text(), kTitleVantri, platform::MB_OK);
    m_strCachePath = value;
    if (!m_strCachePath.empty() && !platform::FindFile(m_strCachePath)) {
        std::error_code ignored;
        std::filesystem::create_directory(platform::FsPath(m_strCachePath), ignored);
    }
}

void CBBDlg::LoadAdList() {
    try {
        std::string page;
        {
            CQospiderApp spider;
            page = spider.FetchPage(platform::Config::Instance().WebSite() + "/ada.html");
        }
        if (!page.empty())
            m_adList = ParseAdLinks(page);
        if (!m_adList.empty()) {
            m_adPos = m_adList.begin();
            m_strAdUrl = m_adPos->strUrl;
            m_bAdRotation = true;
        }
    } catch (...) {
        // A broken list only means no rotating link.
    }
}

void CBBDlg::DoDataExchange() {
    m_progress = GetDlgItemAs<QProgressBar>(IDC_PROGRESS);
    m_treeCatalogue = GetDlgItemAs<QTreeWidget>(IDC_TREE_CATALOGUE);
    m_treeHome = GetDlgItemAs<QTreeWidget>(IDC_TREE_HOME);
    m_btnTabLatest = GetDlgItemAs<QAbstractButton>(IDC_TAB_LATEST);
    m_browser = GetDlgItem(IDC_BROWSER);
    // The trees' selection changes (TVN_SELCHANGED).
    connect(m_treeCatalogue, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OnSelChangedCatalogue(item); });
    connect(m_treeHome, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OnSelChangedHome(item); });
}

bool CBBDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    setWindowIcon(m_hIcon);
    SetWindowText(kMainWindowText);
    platform::SetProp(this, platform::ExecutableBaseName(), PROP_INSTANCE_MARK);
    LayoutControls();

    SkinDLL_SubclassWindow(this, "mainframe11");
    const struct {
        int id;
        const char* element;
    } bindings[] = {
        {IDC_BTN_CLOSE, "button.system.close"}, {IDC_BTN_MAXIMIZE, "button.system.max"},
        {IDC_BTN_MINIMIZE, "button.system.min"}, {IDC_BTN_MENU, "button.system.menu"},
        {IDC_BTN_FEEDBACK, "button.system.feed"}, {IDC_BTN_SKIN, "item.btn.skin"},
        {IDC_BTN_NAVTEXT, "item.bb.btn.NavText"}, {IDC_TAB_LATEST, "radio.tab"},
        {IDC_TAB_FAVOURITES, "radio.tab"},        {IDC_TAB_HISTORY, "radio.tab"},
        {IDC_RADIO_HOME, "tool.bb"},              {IDC_RADIO_SONGS, "tool.eg"},
        {IDC_RADIO_STORIES, "tool.gs"},           {IDC_RADIO_KNOWLEDGE, "tool.zs"},
        {IDC_RADIO_GAMES, "tool.yx"},             {IDC_RADIO_CARTOONS, "tool.dh"},
        {IDC_RADIO_CLUB, "tool.mm"},              {IDC_LINK_TEXT, "item.text.link"},
    };
    for (const auto& binding : bindings) {
        SkinDLL_SubclassWindow(GetDlgItem(binding.id), binding.element);
        if (binding.id == IDC_TAB_LATEST || binding.id == IDC_RADIO_HOME)
            CheckDlgButton(binding.id, true);
    }

    SkinDLL_DirectUI_SetSubItemValue(this, "item.text", kMainCaption, 1);
    g_pMainDlg = this;
    SkinDLL_SubclassWindow(m_treeHome, "tree.videolist");
    SkinDLL_SubclassWindow(m_treeCatalogue, "tree.videolist");
    SkinDLL_DirectUI_SetSubItemValue(this, "item.texture", g_strSkinTexture.c_str(), 1);
    platform::ShowWindow(m_browser, platform::SW_HIDE);

    SetDlgItemText(IDC_STATUS_TEXT,
                   platform::Format(kStatusTextFormat, RandomBetween(10000, 100000) + 90000));

    m_trayIcon.Create(this, WM_TRAY_NOTIFY, kTrayTip, m_hIcon, IDR_TRAY_MENU);

    if (m_bAdRotation)
        m_timers.SetTimer(IDT_ADLINK, 60000);
    m_timers.SetTimer(IDT_STARTUP, 1000);
    return true;
}

void CBBDlg::LayoutControls() {
    const int w = width();
    const int h = height();
    // A panel that is a window of its own (the player in full screen) keeps its place.
    const auto place = [](QWidget* window, int x, int y, int cx, int cy) {
        if (window && !window->isWindow())
            platform::MoveWindow(window, x, y, cx, cy);
    };
    place(m_pDlgPlayer, 207, 106, w - 209, h - 137);
    place(m_pDlgShowAd, 207, 106, w - 209, h - 137);
    if (m_progress) {
        place(GetDlgItem(IDC_TAB_LATEST), 2, 106, 68, 30);
        place(GetDlgItem(IDC_TAB_FAVOURITES), 70, 106, 68, 30);
        place(GetDlgItem(IDC_TAB_HISTORY), 138, 106, 69, 30);
        place(GetDlgItem(IDC_STATUS_TEXT), 8, h - 21, 190, 30);
        place(GetDlgItem(IDC_LINK_TEXT), 207, h - 21, w - 350, 30);
        place(m_progress, w - 108, h - 20, 100, 10);
    }
    place(m_treeHome, 2, 135, 205, h - 166);
    place(m_treeCatalogue, 2, 135, 205, h - 166);
    place(m_browser, 2, 106, w - 4, h - 137);
    place(m_pDlgMovie, 207, 106, w - 209, h - 137);
    platform::TrimWorkingSet();
}

void CBBDlg::resizeEvent(QResizeEvent* event) {
    CDialog::resizeEvent(event);
    LayoutControls();
}

bool CBBDlg::OnCommand(int id, int code) {
    switch (id) {
    case ID_MENU_SETTINGS: OnSettings(); break;
    case ID_MENU_HOMEPAGE: platform::ShellOpen(platform::Config::Instance().WebServer() + "/"); break;
    case ID_MENU_ABOUT: {
        CAboutDlg about;
        about.DoModal();
        break;
    }
    default: break;
    }
    return DispatchCommand(id, code) || CDialog::OnCommand(id, code);
}

// The message map's command entries.
bool CBBDlg::DispatchCommand(int id, int code) {
    if (id == IDC_EDIT_PROGRESS) {
        if (code == platform::EN_CHANGE)
            OnTitleReady();
        return true;
    }
    switch (id) {
    case IDC_BTN_CLOSE: OnClose(); return true;
    case IDC_BTN_MAXIMIZE: ToggleMaximize(); return true;
    case IDC_BTN_MINIMIZE: OnMinimize(); return true;
    case IDC_BTN_MENU: OnMenuButton(); return true;
    case IDC_BTN_SKIN: OnSkinButton(); return true;
    case IDC_LINK_TEXT: OnLinkText(); return true;
    case IDC_BTN_FEEDBACK:
    case ID_TRAY_FEEDBACK: OnFeedback(); return true;
    case ID_TRAY_SETTINGS: OnSettings(); return true;
    case IDC_RADIO_HOME: OnHome(); return true;
    case IDC_RADIO_SONGS: OnSongs(); return true;
    case IDC_RADIO_STORIES: OnStories(); return true;
    case IDC_RADIO_KNOWLEDGE: OnKnowledge(); return true;
    case IDC_RADIO_GAMES: OnGames(); return true;
    case IDC_RADIO_CARTOONS: OnCartoons(); return true;
    case IDC_RADIO_CLUB: OnClub(); return true;
    case IDC_TAB_LATEST: OnTabLatest(); return true;
    case IDC_TAB_FAVOURITES: OnTabFavourites(); return true;
    case IDC_TAB_HISTORY: OnTabWatched(); return true;
    case ID_TRAY_SHOW: OnShowMainWindow(); return true;
    case ID_TRAY_EXIT: OnTrayExit(); return true;
    case ID_TRAY_UPGRADE: OnOnlineUpgrade(); return true;
    default: return false;
    }
}

// Category navigation and the trees' fills come with the catalogue views.
void CBBDlg::OnHome() {}
void CBBDlg::OnSongs() {}
void CBBDlg::OnStories() {}
void CBBDlg::OnKnowledge() {}
void CBBDlg::OnGames() {}
void CBBDlg::OnCartoons() {}
void CBBDlg::OnClub() {}
void CBBDlg::OnTabLatest() {}
void CBBDlg::OnTabFavourites() {}
void CBBDlg::OnTabWatched() {}

// Item activation and the content panels come with the player.
void CBBDlg::OnSelChangedCatalogue(QTreeWidgetItem*) {}
void CBBDlg::OnSelChangedHome(QTreeWidgetItem*) {}
void CBBDlg::OnTitleReady() {}

void CBBDlg::OnTimer(unsigned id) {
    // The start-up completion (updater, panels, trees, shop page) and the link
    // rotation come with the timers' own work; the start-up timer fires once.
    if (id == IDT_STARTUP)
        m_timers.KillTimer(IDT_STARTUP);
}
