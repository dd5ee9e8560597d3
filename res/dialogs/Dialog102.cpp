#include "Dialogs.h"

namespace res {

using namespace platform;

const DialogTemplate& Dialog102() {
    static const DialogTemplate dialog{
        102, "新宋体", 9, 230, 229, DS_CHILD | DS_VISIBLE, "",
        {
            {IDC_STATUS, ControlClass::Static, "00:00:00/99:99:99", 15, 160, 200, 10, CF_RIGHT},
            {IDC_FLASH_HOST, ControlClass::Static, "", 15, 15, 200, 140, CF_BLACKRECT | CF_NOTIFY},
            {IDC_SEEK_PLACEHOLDER, ControlClass::Static, "Static", 15, 175, 200, 10, CF_BORDER},
            {IDC_BTN_OPEN, ControlClass::PushButton, "", 13, 202, 21, 20},
            {IDC_BTN_PLAY, ControlClass::PushButton, "", 41, 202, 21, 20},
            {IDC_BTN_PAUSE, ControlClass::PushButton, "", 69, 202, 21, 20},
            {IDC_BTN_STOP, ControlClass::PushButton, "", 97, 202, 21, 20},
            {IDC_BTN_FULL, ControlClass::PushButton, "", 125, 202, 21, 20},
        }};
    return dialog;
}

}  // namespace res
