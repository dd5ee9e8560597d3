// The engine without usable packages: every load fails cleanly and bound
// widgets are still drawn, with plain colours.
#include "external/skin/SkinDLL.h"
#include "external/skin/SkinLibrary.h"
#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPassword = kSkinPackagePassword;

fs::path InstalledPackage() {
    return fs::path(LALORA_PROGRAM_DIR) / "Themes" / "Vantri";
}

// Copies the installed package, spoils it and reports whether it still loads.
bool LoadsAfter(const std::function<void(const fs::path&)>& spoil,
                const char* password = kPassword) {
    testsupport::ScratchDir scratch;
    const fs::path copy = scratch.Path() / "Vantri";
    fs::copy(InstalledPackage(), copy, fs::copy_options::recursive);
    spoil(copy);
    return SkinDLL_LoadSkinResourceFromFolder(platform::GbkPath(copy).c_str(), password) == 1;
}

void Reseal(const fs::path& folder, const std::string& index) {
    testsupport::WriteFile(folder / skinformat::kIndexFile, index);
    testsupport::WriteFile(
        folder / skinformat::kSealFile,
        skinformat::Seal(QByteArray::fromStdString(index), kPassword).toStdString());
}

TEST(SkinFallback, BrokenPackagesAreRefused) {
    EXPECT_EQ(SkinDLL_LoadSkinResourceFromFolder("/no/such/folder", kPassword), 0);
    EXPECT_EQ(SkinDLL_LoadSkinResourceFromFolder("", kPassword), 0);
    EXPECT_EQ(SkinDLL_LoadSkinResourceFromFolder(nullptr, nullptr), 0);
    EXPECT_FALSE(LoadsAfter([](const fs::path&) {}, "WRONGPASSWD1"));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) { fs::remove(p / "skin.sig"); }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) { fs::remove(p / "tool.bb.normal.png"); }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) {
        std::string png = testsupport::ReadFile(p / "tool.bb.normal.png");
        png[png.size() / 2] ^= 0x5A;
        testsupport::WriteFile(p / "tool.bb.normal.png", png);
    }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) {
        testsupport::WriteFile(p / "skin.json", testsupport::ReadFile(p / "skin.json") + " ");
    }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) { Reseal(p, "{not json"); }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) {
        // A sealed index naming a file outside the package.
        Reseal(p, R"({"format":1,"files":{"../escape.png":"00"},"elements":{}})");
    }));
    EXPECT_FALSE(LoadsAfter([](const fs::path& p) {
        // Sealed, digests right, but the file is no image.
        const std::string junk = "not a png";
        testsupport::WriteFile(p / "junk.png", junk);
        Reseal(p, R"({"format":1,"files":{"junk.png":")" +
                      skinformat::FileDigest(QByteArray::fromStdString(junk)).toStdString() +
                      R"("},"elements":{}})");
    }));
}

TEST(SkinFallback, WidgetsAreDrawnWithPlainColours) {
    SkinDLL_SetHSB(0, 0, 0);
    QPushButton plain("OK"), skinned("OK");
    for (QPushButton* b : {&plain, &skinned}) b->resize(70, 40);
    SkinDLL_SubclassWindow(&skinned, "tool.bb");
    const QImage drawn = skinned.grab().toImage();
    EXPECT_NE(drawn, plain.grab().toImage());
    SkinDLL_SetHSB(136, 0, 0);
    EXPECT_NE(skinned.grab().toImage(), drawn);
    SkinDLL_SetHSB(0, 0, 0);

    QWidget frame;
    frame.resize(200, 120);
    SkinDLL_SubclassWindow(&frame, "mainframe11");
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.text", " Lalora", 1);
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.texture", "skin.texture33", 1);
    EXPECT_FALSE(frame.grab().isNull());

    QTreeWidget tree;
    auto* item = new QTreeWidgetItem(&tree, QStringList{"key"});
    SkinDLL_SubclassWindow(&tree, "tree.videolist");
    SkinDLL_TreeCtrl_SetDrawItemSkin(&tree, item, "drawitem.item", 0);
    SkinDLL_TreeCtrl_SetDrawItemSubItemValue(&tree, item, "item.name", "名字", 0);
    EXPECT_FALSE(tree.grab().isNull());
}

}  // namespace
