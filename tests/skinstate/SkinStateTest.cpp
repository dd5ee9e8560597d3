// What the program tells the skin engine can be read back per window and item.
#include "external/skin/SkinDLL.h"
#include "external/skin/SkinState.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

TEST(SkinState, KeepsElementsValuesVisibilitiesAndColours) {
    auto& state = SkinState::Instance();
    QWidget window;
    QPushButton button(&window);
    SkinDLL_SubclassWindow(&window, "mainframe11");
    SkinDLL_SubclassWindow(&button, "button.system.max");
    SkinDLL_SubclassWindow(&button, "button.system.restore");
    SkinDLL_DirectUI_SetSubItemValue(&window, "item.text", " Lalora", 1);
    SkinDLL_DirectUI_SetSubItemVisible(&window, "item.a", 1, 0);
    SkinDLL_DirectUI_SetSubItemVisible(&window, "item.b", 0, 1);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(&window, "radio1", "item.check", 1, 1);
    SkinDLL_SetHSB(136, -20, 30);

    EXPECT_EQ(state.ElementOf(&window), "mainframe11");
    EXPECT_EQ(state.ElementOf(&button), "button.system.restore");
    EXPECT_EQ(state.SubItemValue(&window, "item.text"), " Lalora");
    EXPECT_EQ(state.SubItemVisible(&window, "item.a"), true);
    EXPECT_EQ(state.SubItemVisible(&window, "item.b"), false);
    EXPECT_EQ(state.EventSubItemVisible(&window, "radio1", "item.check"), true);
    EXPECT_EQ(state.Hsb().hue, 136);
    EXPECT_EQ(state.Hsb().saturation, -20);
    EXPECT_EQ(state.Hsb().brightness, 30);
    EXPECT_FALSE(state.SubItemValue(&window, "item.texture").has_value());
    SkinDLL_SetHSB(0, 0, 0);
}

TEST(SkinState, TreeItemsKeepTheirOwnSkinData) {
    QTreeWidget tree;
    auto* item = new QTreeWidgetItem(&tree, QStringList{"http://page/1.htm"});
    SkinDLL_TreeCtrl_SetDrawItemSkin(&tree, item, "drawitem.item", 0);
    SkinDLL_TreeCtrl_SetDrawItemSubItemValue(&tree, item, "item.name", "小蝌蚪找妈妈", 0);
    EXPECT_EQ(SkinState::ItemElementOf(item), "drawitem.item");
    EXPECT_EQ(SkinState::ItemSubValue(item, "item.name"), "小蝌蚪找妈妈");
    EXPECT_FALSE(SkinState::ItemSubValue(item, "item.other").has_value());
}

TEST(SkinState, ForgetsDestroyedWindows) {
    auto window = std::make_unique<QWidget>();
    const QWidget* address = window.get();
    SkinDLL_SubclassWindow(window.get(), "winChild");
    window.reset();
    EXPECT_FALSE(SkinState::Instance().ElementOf(address).has_value());
    EXPECT_EQ(SkinDLL_SubclassWindow(nullptr, "x"), 0);
}

}  // namespace
