#include "Dialogs.h"

namespace res {

using namespace platform;

const DialogTemplate& Dialog103() {
    static const DialogTemplate dialog{
        103, "MS Shell Dlg", 9, 547, 350, DS_POPUP | DS_VISIBLE | DS_APPWINDOW, "",
        {
            {IDC_RADIO_HOME, ControlClass::RadioButton, "宝宝屋", 4, 17, 40, 41, CF_GROUP},
            {IDC_RADIO_SONGS, ControlClass::RadioButton, "听儿歌", 43, 17, 40, 41},
            {IDC_RADIO_STORIES, ControlClass::RadioButton, "讲故事", 82, 17, 40, 41, CF_HIDDEN},
            {IDC_RADIO_KNOWLEDGE, ControlClass::RadioButton, "学知识", 121, 17, 40, 41, CF_HIDDEN},
            {IDC_RADIO_GAMES, ControlClass::RadioButton, "玩游戏", 160, 17, 40, 41, CF_HIDDEN},
            {IDC_RADIO_CARTOONS, ControlClass::RadioButton, "动画片", 82, 17, 40, 41},
            {IDC_RADIO_CLUB, ControlClass::RadioButton, "儿童团", 121, 17, 40, 41},
            {IDC_PROGRESS, ControlClass::Progress, "", 482, 337, 58, 6, CF_HIDDEN},
            {IDC_EDIT_PROGRESS, ControlClass::Edit, "", 0, 0, 6, 12, CF_HIDDEN | CF_DISABLED},
            {IDC_BTN_CLOSE, ControlClass::PushButton, "", 520, 0, 20, 14},
            {IDC_BTN_MAXIMIZE, ControlClass::PushButton, "", 497, 0, 20, 14},
            {IDC_BTN_MINIMIZE, ControlClass::PushButton, "", 475, 0, 20, 14},
            {IDC_BTN_MENU, ControlClass::PushButton, "", 453, 0, 20, 14},
            {IDC_BTN_FEEDBACK, ControlClass::PushButton, "", 430, 0, 20, 14},
            {IDC_TREE_CATALOGUE, ControlClass::Tree, "", 7, 83, 117, 260, CF_HIDDEN},
            {IDC_BTN_SKIN, ControlClass::PushButton, "", 520, 38, 20, 14},
            {IDC_STATIC_NAME, ControlClass::Static, "Lalora", 18, 4, 58, 8, CF_HIDDEN},
            {IDC_TAB_LATEST, ControlClass::RadioButton, "最新推荐", 0, 61, 43, 15, CF_GROUP},
            {IDC_TAB_FAVOURITES, ControlClass::RadioButton, "宝宝爱看", 38, 61, 43, 15},
            {IDC_TAB_HISTORY, ControlClass::RadioButton, "宝宝看过", 78, 61, 43, 15},
            {IDC_TREE_HOME, ControlClass::Tree, "", 7, 83, 117, 260},
            {IDC_BTN_NAVTEXT, ControlClass::PushButton, "Vantri", 8, 61, 60, 14, CF_HIDDEN | CF_DISABLED},
            {IDC_BROWSER, ControlClass::Placeholder, "", 7, 60, 471, 283},
            {IDC_STATUS_TEXT, ControlClass::Static, "共 97882 位宝宝在乐园", 8, 339, 70, 8},
            {IDC_LINK_TEXT, ControlClass::Static, "", 129, 339, 301, 8, CF_NOTIFY},
        }};
    return dialog;
}

}  // namespace res
