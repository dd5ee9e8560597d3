#include "Dialogs.h"

namespace res {

std::optional<platform::MenuResource> LoadMenu(int id) {
    if (id != IDR_TRAY_MENU)
        return std::nullopt;
    platform::CMenu popup;
    popup.AppendMenu(ID_TRAY_SETTINGS, "设置");
    popup.AppendSeparator();
    popup.AppendMenu(ID_TRAY_UPGRADE, "在线升级");
    popup.AppendMenu(ID_TRAY_FEEDBACK, "意见反馈");
    popup.AppendSeparator();
    popup.AppendMenu(ID_TRAY_SHOW, "显示主界面");
    popup.AppendSeparator();
    popup.AppendMenu(ID_TRAY_EXIT, "退出");
    return platform::MenuResource{{popup}};
}

}  // namespace res
