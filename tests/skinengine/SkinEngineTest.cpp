// The engine with the installed packages: real widgets drawn offscreen.
#include "SampleWindow.h"

#include "external/skin/SkinDLL.h"
#include "external/skin/SkinEngine.h"
#include "external/skin/SkinItemDelegate.h"
#include "external/skin/SkinState.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"
#include "tests/support/TestSupport.h"

#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class SkinEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadInstalledPackages());
        SkinDLL_SetHSB(0, 0, 0);
    }
    void TearDown() override { SkinDLL_SetHSB(0, 0, 0); }

    static QImage Shot(QWidget& w) {
        return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(SkinEngineTest, BoundButtonIsDrawnFromItsElement) {
    QRadioButton plain(platform::GbkToQString("宝宝屋")), skinned(platform::GbkToQString("宝宝屋"));
    for (QRadioButton* b : {&plain, &skinned}) b->resize(70, 72);
    SkinDLL_SubclassWindow(&skinned, "tool.bb");
    EXPECT_NE(Shot(plain), Shot(skinned));
}

TEST_F(SkinEngineTest, NormalHoverPressedAndCheckedLookDifferent) {
    QRadioButton b(platform::GbkToQString("听儿歌"));
    b.resize(70, 72);
    SkinDLL_SubclassWindow(&b, "tool.eg");
    const QImage normal = Shot(b);
    b.setAttribute(Qt::WA_UnderMouse, true);
    const QImage hover = Shot(b);
    b.setDown(true);
    const QImage pressed = Shot(b);
    b.setDown(false);
    b.setAttribute(Qt::WA_UnderMouse, false);
    b.setChecked(true);
    const QImage checked = Shot(b);
    const QImage looks[] = {normal, hover, pressed, checked};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) EXPECT_NE(looks[i], looks[j]) << i << " " << j;
}

TEST_F(SkinEngineTest, ColourShiftRecoloursAndRestores) {
    QPushButton b;
    b.resize(36, 24);
    SkinDLL_SubclassWindow(&b, "item.bb.btn.Play");
    const QImage before = Shot(b);
    SkinDLL_SetHSB(136, 0, 0);
    EXPECT_NE(Shot(b), before);
    SkinDLL_SetHSB(0, 0, 0);
    EXPECT_EQ(Shot(b), before);
}

TEST_F(SkinEngineTest, TextureChangesTheFrameBackground) {
    QWidget frame;
    frame.resize(400, 300);
    SkinDLL_SubclassWindow(&frame, "mainframe11");
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.text", " Lalora", 1);
    const QImage plain = Shot(frame);
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.texture", "skin.texture33", 1);
    const QImage textured = Shot(frame);
    EXPECT_NE(textured.pixel(200, 200), plain.pixel(200, 200));
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.texture", "", 1);
    EXPECT_EQ(Shot(frame), plain);
    SkinDLL_DirectUI_SetSubItemValue(&frame, "item.texture", "skin.no-such-texture", 1);
    EXPECT_EQ(Shot(frame), plain);
}

TEST_F(SkinEngineTest, MaximiseButtonRebindsToRestoreLook) {
    QPushButton b;
    b.resize(36, 24);
    SkinDLL_SubclassWindow(&b, "button.system.max");
    const QImage max = Shot(b);
    SkinDLL_SubclassWindow(&b, "button.system.restore");
    EXPECT_NE(Shot(b), max);
}

TEST_F(SkinEngineTest, TreeItemShowsItsDisplayTextNotItsOwnText) {
    QTreeWidget tree;
    tree.resize(205, 200);
    SkinDLL_SubclassWindow(&tree, "tree.videolist");
    auto* item = new QTreeWidgetItem(&tree, QStringList{"http://127.0.0.1/page.html"});
    SkinDLL_TreeCtrl_SetDrawItemSkin(&tree, item, "drawitem.item", 0);
    const QImage before = Shot(tree);
    SkinDLL_TreeCtrl_SetDrawItemSubItemValue(&tree, item, "item.name", "小熊过河", 0);

    ASSERT_NE(qobject_cast<SkinItemDelegate*>(tree.itemDelegate()), nullptr);
    const QModelIndex index = tree.model()->index(0, 0);
    EXPECT_EQ(SkinItemDelegate::DisplayText(index), platform::GbkToQString("小熊过河"));
    EXPECT_EQ(item->text(0), "http://127.0.0.1/page.html");  // the program's key stays
    EXPECT_NE(Shot(tree), before);
}

TEST_F(SkinEngineTest, ClickOnDrawnItemEmitsItsName) {
    SampleWindow s = MakeSampleWindow();
    QWidget* chooser = s.chooser.get();
    std::vector<std::string> clicks;
    QObject::connect(&SkinState::Instance(), &SkinState::ItemClicked, chooser,
                     [&](QWidget* w, const std::string& name) {
                         if (w == chooser)
                             clicks.push_back(name);
                     });
    const SkinElement* e = SkinEngine::Instance().Library().Find("changeskin");
    ASSERT_NE(e, nullptr);
    auto centre = [&](const char* name) {
        for (const auto& item : e->items)
            if (item.name == name)
                return item.rect.center();
        ADD_FAILURE() << name;
        return QPoint();
    };
    chooser->show();
    QTest::mouseClick(chooser, Qt::LeftButton, {}, centre("item.color.44"));
    QTest::mouseClick(chooser, Qt::LeftButton, {}, centre("radiobtn.texture"));
    QTest::mouseClick(chooser, Qt::LeftButton, {}, QPoint(134, 193));  // no item there
    // Hidden page: its swatch at the place of a visible one does not answer.
    QTest::mouseClick(chooser, Qt::LeftButton, {}, centre("item.texture.99"));
    SkinDLL_DirectUI_SetSubItemVisible(chooser, "drawitem.color", 0, 1);
    SkinDLL_DirectUI_SetSubItemVisible(chooser, "drawitem.texture", 1, 0);
    QTest::mouseClick(chooser, Qt::LeftButton, {}, centre("item.texture.99"));
    EXPECT_EQ(clicks,
              (std::vector<std::string>{"item.color.44", "radiobtn.texture", "item.texture.99"}));
}

TEST_F(SkinEngineTest, SubItemVisibilityRedrawsThePanel) {
    SampleWindow s = MakeSampleWindow();
    QWidget* chooser = s.chooser.get();
    const QImage colourPage = Shot(*chooser);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(chooser, "radiobtn.color", "item.check", 0, 0);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(chooser, "radiobtn.color", "item.uncheck", 1, 1);
    const QImage unchecked = Shot(*chooser);
    EXPECT_NE(unchecked, colourPage);
    SkinDLL_DirectUI_SetSubItemVisible(chooser, "drawitem.color", 0, 1);
    EXPECT_NE(Shot(*chooser), unchecked);
}

TEST_F(SkinEngineTest, RelativeFolderWithBackslashesIsTakenFromTheProgramFolder) {
    const auto base = platform::FsPath(platform::ExecutableFolder()) / "skin-relative-test";
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    std::filesystem::copy(std::filesystem::path(LALORA_PROGRAM_DIR) / "Themes" / "changeskin",
                          base / "changeskin", std::filesystem::copy_options::recursive);
    EXPECT_EQ(SkinDLL_LoadSkinResourceFromFolder("skin-relative-test\\changeskin", kSkinPackagePassword),
              1);
    std::filesystem::remove_all(base);
}

TEST_F(SkinEngineTest, HookSkinsDialogsCreatedWhileOn) {
    SkinDLL_EnableHookSkin(1);
    QDialog hooked;
    hooked.show();
    SkinDLL_EnableHookSkin(0);
    QDialog unhooked;
    unhooked.show();
    EXPECT_EQ(SkinState::Instance().ElementOf(&hooked), "window.auto");
    EXPECT_FALSE(SkinState::Instance().ElementOf(&unhooked).has_value());

    QMenu menu;  // menus were skinned when the packages were loaded
    menu.addAction("A");
    menu.ensurePolished();
    EXPECT_FALSE(menu.styleSheet().isEmpty());
}

}  // namespace
