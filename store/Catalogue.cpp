#include "Catalogue.h"

#include "app/Globals.h"
#include "external/qopfc/QoPfcSystem.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "res/Strings.h"

std::string CataloguePath() {
    const CQoPfcSystem fallback;
    const CQoPfcSystem& pfc = g_pPfcSystem ? *g_pPfcSystem : fallback;
    return pfc.GetDbPath(g_strUserId) + "VantriBB.dat";
}

std::unique_ptr<CDbQoLite> OpenCatalogue(QWidget* owner, unsigned boxFlags) {
    const std::string path = CataloguePath();
    if (platform::FindFile(path)) {
        auto db = std::make_unique<CDbQoLite>();
        if (db->Open(path.c_str(), kCatalogueKey))
            return db;
    }
    platform::MessageBox(owner, res::Code1002Text(), res::kTitleVantri, boxFlags);
    return nullptr;
}
