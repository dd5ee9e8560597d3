#pragma once
// The main window (dialog 103): a caption-less skinned dialog run modally by
// the application. Its handlers are spread over BBDlg.cpp (construction,
// set-up, layout, command routing), BBDlgFrame.cpp (frame commands) and
// BBDlgTray.cpp (tray icon and exit).
#include "AdLinks.h"
#include "SystemIcon.h"

#include "platform/Dialog.h"
#include "platform/WindowTimers.h"

#include <QIcon>
#include <QPoint>
#include <QRect>

#include <deque>
#include <optional>
#include <string>

class QAbstractButton;
class QProgressBar;
class QTreeWidget;
class QTreeWidgetItem;

inline constexpr unsigned IDT_ADLINK = 1580;
inline constexpr unsigned IDT_STARTUP = 1581;

// Commands of the menu button's pop-up.
inline constexpr int ID_MENU_SETTINGS = 20000;
inline constexpr int ID_MENU_HOMEPAGE = 20001;
inline constexpr int ID_MENU_ABOUT = 20002;

// The top client strip that acts as the caption.
inline constexpr int kCaptionStripHeight = 30;

// lo + (r mod (hi − lo + 1)) with r a 15-bit pseudo-random value; the generator
// is seeded with the time on first use.
int RandomBetween(int lo, int hi);

class CBBDlg : public platform::CDialog, public platform::NotifyIconSink {
    Q_OBJECT
public:
    explicit CBBDlg(QWidget* parent = nullptr);
    ~CBBDlg() override;

    void LayoutControls();
    void Maximize();
    void Restore();
    void ToggleMaximize();
    // The exit steps shared by the close question, the tray's exit and the
    // updater's acknowledgement.
    void ExitProgram();

    long OnTrayNotify(unsigned wParam, unsigned lParam);
    long OnNotifyIconMessage(unsigned message, unsigned wParam, unsigned lParam) override;

    // Members, as the main window's other handlers use them.
    std::string m_strAdUrl;
    bool m_bAdRotation = false;
    std::deque<AdLink> m_adList;
    std::deque<AdLink>::iterator m_adPos;
    QIcon m_hIcon;
    // The content panels (dialogs 102, 177, 179) and the skin chooser (105):
    // created on first need by their own handlers, null until then.
    platform::CDialog* m_pDlgPlayer = nullptr;
    platform::CDialog* m_pDlgShowAd = nullptr;
    platform::CDialog* m_pDlgSkin = nullptr;
    platform::CDialog* m_pDlgMovie = nullptr;
    QProgressBar* m_progress = nullptr;
    CSystemIcon m_trayIcon;
    int m_bMaximized = 0;
    QRect m_rcRestore;
    QWidget* m_browser = nullptr;  // control 1032; a plain child until the browser exists
    QTreeWidget* m_treeHome = nullptr;
    QTreeWidget* m_treeCatalogue = nullptr;
    QAbstractButton* m_btnTabLatest = nullptr;
    std::string m_strCachePath;
    int m_nViewMode = 0;
    std::string m_strShowAdUrl;
    platform::WindowTimers m_timers;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override {}  // Enter never closes the main window
    void OnClose() override;

    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void ReadCacheFolder();
    void LoadAdList();
    bool DispatchCommand(int id, int code);

    // Frame commands.
    void OnMinimize();
    void OnMenuButton();
    void OnLinkText();
    void OnSettings();
    void OnFeedback();
    void OnSkinButton();
    void NavigateBrowser(const std::string& url);

    // Tray commands.
    void OnShowMainWindow();
    void OnTrayExit();
    void OnOnlineUpgrade();

    // Category navigation, item activation and timers.
    void OnHome();
    void OnSongs();
    void OnStories();
    void OnKnowledge();
    void OnGames();
    void OnCartoons();
    void OnClub();
    void OnTabLatest();
    void OnTabFavourites();
    void OnTabWatched();
    void OnSelChangedCatalogue(QTreeWidgetItem* item);
    void OnSelChangedHome(QTreeWidgetItem* item);
    void OnTitleReady();
    void OnTimer(unsigned id);

    // Where a press on the top strip grabbed the window, while it drags it
    // itself (no window manager to do it).
    std::optional<QPoint> m_dragOffset;
};
