#include "PlayerApp.h"

#include "Globals.h"
#include "external/qopfc/QoPfcSystem.h"
#include "external/skin/SkinDLL.h"
#include "mainwnd/BBDlg.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/X11InstanceMark.h"
#include "store/Catalogue.h"
#include "store/CatalogueSql.h"

#include <memory>

namespace {

// Brings the running instance's main window to the front; false when none runs.
bool ActivateRunningInstance() {
    const unsigned long found = platform::FindTopLevelWindowWithProperty(
        platform::ExecutableBaseName(), PROP_INSTANCE_MARK);
    if (!found)
        return false;
    platform::ActivateX11Window(found);
    return true;
}

void StartSkinEngine() {
    for (const char* folder : {"Themes/Vantri", "Themes/VantriBB", "Themes/changeskin"})
        SkinDLL_LoadSkinResourceFromFolder(folder, kSkinPackagePassword);
    SkinDLL_Menu_EnableSkin(1);
    SkinDLL_EnableHookSkin(1);
}

struct SavedColours {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
};

// The user's skin row; the last matching row wins.
SavedColours ReadSavedSkin(CDbQoLite& db) {
    SavedColours colours;
    g_strSkinTexture.clear();
    std::unique_ptr<CSqlStatement> statement(db.Prepare(sql::SkinsOfUser(g_strUserId).c_str()));
    while (statement && statement->NextRow()) {
        colours.hue = statement->GetInt(1);
        colours.saturation = statement->GetInt(2);
        colours.brightness = statement->GetInt(3);
        g_strSkinTexture = statement->GetText(4);
    }
    return colours;
}

}  // namespace

bool CPlayerApp::InitInstance() {
    if (ActivateRunningInstance())
        return false;
    StartSkinEngine();
    g_strUserId.clear();
    if (!g_pPfcSystem)
        g_pPfcSystem = new CQoPfcSystem;

    CBBDlg mainWindow;
    SavedColours colours;
    {
        std::unique_ptr<CDbQoLite> db = OpenCatalogue(nullptr, platform::MB_ICONERROR);
        if (!db)
            return false;
        colours = ReadSavedSkin(*db);
    }
    SkinDLL_SetHSB(colours.hue, colours.saturation, colours.brightness);
    mainWindow.DoModal();
    return false;
}

int CPlayerApp::ExitInstance() {
    return 0;
}
