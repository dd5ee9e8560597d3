#pragma once
// The program's dialog templates and menus, by resource number.
#include "platform/DialogTemplate.h"
#include "platform/Menu.h"

#include <QIcon>

#include <optional>

namespace res {

// Main window controls (template 103).
enum MainControl : int {
    IDC_BTN_CLOSE = 1001,
    IDC_RADIO_HOME = 1002,
    IDC_RADIO_SONGS = 1004,
    IDC_RADIO_STORIES = 1005,
    IDC_BTN_MAXIMIZE = 1007,
    IDC_RADIO_KNOWLEDGE = 1008,
    IDC_BTN_MINIMIZE = 1010,
    IDC_RADIO_GAMES = 1011,
    IDC_BTN_MENU = 1013,
    IDC_RADIO_CARTOONS = 1014,
    IDC_RADIO_CLUB = 1015,
    IDC_BTN_FEEDBACK = 1017,
    IDC_BTN_NAVTEXT = 1018,
    IDC_BTN_SKIN = 1019,
    IDC_TREE_CATALOGUE = 1021,
    IDC_TREE_HOME = 1022,
    IDC_STATIC_NAME = 1023,
    IDC_PROGRESS = 1027,
    IDC_EDIT_PROGRESS = 1028,
    IDC_BROWSER = 1032,
    IDC_TAB_LATEST = 1033,
    IDC_TAB_FAVOURITES = 1034,
    IDC_TAB_HISTORY = 1035,
    IDC_STATUS_TEXT = 1038,
    IDC_LINK_TEXT = 1040,
};

// Player panel controls (template 102).
enum PlayerControl : int {
    IDC_FLASH_HOST = 1000,
    IDC_BTN_OPEN = 1003,
    IDC_BTN_PLAY = 1006,
    IDC_BTN_PAUSE = 1009,
    IDC_BTN_STOP = 1012,
    IDC_BTN_FULL = 1015,
    IDC_SEEK_PLACEHOLDER = 1016,
    IDC_SEEK_BAR = 1018,
    IDC_STATUS = 1020,
};

// About box (template 100): the icon control.
inline constexpr int IDC_ABOUT_ICON = 128;

// Tray menu commands (menu 136).
enum TrayCommand : int {
    ID_TRAY_EXIT = 32777,
    ID_TRAY_SHOW = 32779,
    ID_TRAY_UPGRADE = 32785,
    ID_TRAY_FEEDBACK = 32787,
    ID_TRAY_SETTINGS = 32788,
};

inline constexpr int IDR_TRAY_MENU = 136;
inline constexpr int IDR_MAINFRAME_ICON = 128;

const platform::DialogTemplate& Dialog100();
const platform::DialogTemplate& Dialog102();
const platform::DialogTemplate& Dialog103();

// A menu resource by number; nothing for an unknown one.
std::optional<platform::MenuResource> LoadMenu(int id);

// An icon resource by number (128, the program's icon); a null icon otherwise.
QIcon LoadIcon(int id);

}  // namespace res
