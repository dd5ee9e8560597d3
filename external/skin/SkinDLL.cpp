#include "SkinDLL.h"

#include "SkinEngine.h"
#include "SkinState.h"

#include <QTreeWidget>

namespace {
std::string Text(const char* s) { return s ? std::string(s) : std::string(); }
}  // namespace

int SkinDLL_LoadSkinResourceFromFolder(const char* folder, const char* password) {
    SkinState::Instance().AddFolder(Text(folder));
    return SkinEngine::Instance().LoadPackage(Text(folder), Text(password)) ? 1 : 0;
}

int SkinDLL_Menu_EnableSkin(int enable) {
    SkinEngine::Instance().EnableHook(enable != 0);  // menus are skinned as they appear
    SkinState::Instance().SetMenusSkinned(enable != 0);
    return 1;
}

int SkinDLL_EnableHookSkin(int enable) {
    SkinState::Instance().SetHookEnabled(enable != 0);
    SkinEngine::Instance().EnableHook(enable != 0);
    return 1;
}

int SkinDLL_SetHSB(int hue, int saturation, int brightness) {
    SkinEngine::Instance();  // sees the change
    SkinState::Instance().SetHsb({hue, saturation, brightness});
    return 1;
}

int SkinDLL_SubclassWindow(QWidget* window, const char* element) {
    if (!window)
        return 0;
    SkinState::Instance().Bind(window, Text(element));
    SkinEngine::Instance().Attach(window);
    return 1;
}

int SkinDLL_DirectUI_SetSubItemValue(QWidget* window, const char* item, const char* value,
                                     int /*redraw*/) {
    if (!window)
        return 0;
    SkinState::Instance().SetSubItemValue(window, Text(item), Text(value));
    return 1;
}

int SkinDLL_DirectUI_SetSubItemVisible(QWidget* window, const char* item, int visible,
                                       int /*redraw*/) {
    if (!window)
        return 0;
    SkinState::Instance().SetSubItemVisible(window, Text(item), visible != 0);
    return 1;
}

int SkinDLL_DirectUI_SetEventItemSubItemVisible(QWidget* window, const char* eventItem,
                                                const char* subItem, int visible, int /*redraw*/) {
    if (!window)
        return 0;
    SkinState::Instance().SetEventSubItemVisible(window, Text(eventItem), Text(subItem),
                                                 visible != 0);
    return 1;
}

int SkinDLL_TreeCtrl_SetDrawItemSkin(QTreeWidget* tree, QTreeWidgetItem* item, const char* element,
                                     int /*redraw*/) {
    if (!tree || !item)
        return 0;
    SkinState::Instance().BindItem(tree, item, Text(element));
    return 1;
}

int SkinDLL_TreeCtrl_SetDrawItemSubItemValue(QTreeWidget* tree, QTreeWidgetItem* item,
                                             const char* subItem, const char* value,
                                             int /*redraw*/) {
    if (!tree || !item)
        return 0;
    SkinState::Instance().SetItemSubValue(tree, item, Text(subItem), Text(value));
    return 1;
}
