#include "Dialogs.h"

namespace res {

using namespace platform;

const DialogTemplate& Dialog100() {
    static const DialogTemplate dialog{
        100, "MS Shell Dlg", 9, 193, 85, DS_CAPTION | DS_VISIBLE, "关于 Lalora",
        {
            {IDC_ABOUT_ICON, ControlClass::Static, "", 14, 14, 21, 20},
            {-1, ControlClass::Static, "VantriBB，1.0 版", 42, 14, 114, 8},
            {-2, ControlClass::Static, "版权所有 (C) 2011 Vantri", 42, 26, 114, 8},
            {IDC_OK, ControlClass::PushButton, "确定", 136, 64, 50, 14, CF_GROUP},
        }};
    return dialog;
}

}  // namespace res
