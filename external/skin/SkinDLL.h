#pragma once
// The skin engine's entry points, as the program calls them. Strings are GBK;
// callers ignore every result.
#include <QtGlobal>

class QWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Sent by the engine to a skinned window when a clickable drawn item is
// clicked; lParam points to the item's NUL-terminated name.
inline constexpr unsigned WM_SKIN_ITEM_CLICK = 6324;

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
