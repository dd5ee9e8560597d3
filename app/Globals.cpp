#include "Globals.h"

std::string g_strUserId;
std::string g_strSkinTexture;
std::string g_strDownloadUrl;
std::string g_strTitlePath;
CQoPfcSystem* g_pPfcSystem = nullptr;
CBBDlg* g_pMainDlg = nullptr;
std::atomic<int> g_bDownloading{0};
std::atomic<int> g_bExiting{0};
