#pragma once
// Process-wide values shared by the main window, the player and the download
// worker. The two flags are read on the worker thread, hence atomic.
#include <atomic>
#include <string>

class CQoPfcSystem;
class CBBDlg;

// Value of the window property that marks the running instance's main window.
inline constexpr long PROP_INSTANCE_MARK = 2011;

extern std::string g_strUserId;      // catalogue user; always empty
extern std::string g_strSkinTexture;  // saved texture, applied by the main window
extern std::string g_strDownloadUrl;  // address the download worker opens
extern std::string g_strTitlePath;    // title file the next "100%" plays
extern CQoPfcSystem* g_pPfcSystem;    // created at start-up, never freed
extern CBBDlg* g_pMainDlg;            // set by the main window's OnInitDialog
extern std::atomic<int> g_bDownloading;
extern std::atomic<int> g_bExiting;
