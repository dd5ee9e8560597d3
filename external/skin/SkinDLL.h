#pragma once
// The skin engine's entry points, as the program calls them. Strings are GBK;
// callers ignore every result.
#include <QtGlobal>

class QWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Sent by the engine to a skinned window when a clickable drawn item is
// clicked; lParam points to the item's NUL-terminated name. Here the message
// is the signal SkinState::ItemClicked(window, name), emitted on the GUI
// thread on the release of the left button over the item it went down on.
// Which drawn items are clickable is the element's (its package marks them);
// "changeskin" has the page items "radiobtn.color", "radiobtn.texture",
// "radiobtn.theme", the swatches "item.color.11" … "item.color.88",
// "item.texture.11" … "item.texture.99" and "item.theme.11" … "item.theme.44".
inline constexpr unsigned WM_SKIN_ITEM_CLICK = 6324;

// The password the program's own packages are sealed with.
inline constexpr const char* kSkinPackagePassword = "8QUENTARMOLD";

int SkinDLL_LoadSkinResourceFromFolder(const char* folder, const char* password);
int SkinDLL_Menu_EnableSkin(int enable);
int SkinDLL_EnableHookSkin(int enable);
int SkinDLL_SetHSB(int hue, int saturation, int brightness);
int SkinDLL_SubclassWindow(QWidget* window, const char* element);
int SkinDLL_DirectUI_SetSubItemValue(QWidget* window, const char* item, const char* value,
                                     int redraw);
int SkinDLL_DirectUI_SetSubItemVisible(QWidget* window, const char* item, int visible, int redraw);
int SkinDLL_DirectUI_SetEventItemSubItemVisible(QWidget* window, const char* eventItem,
                                                const char* subItem, int visible, int redraw);
int SkinDLL_TreeCtrl_SetDrawItemSkin(QTreeWidget* tree, QTreeWidgetItem* item,
                                     const char* element, int redraw);
int SkinDLL_TreeCtrl_SetDrawItemSubItemValue(QTreeWidget* tree, QTreeWidgetItem* item,
                                             const char* subItem, const char* value, int redraw);
