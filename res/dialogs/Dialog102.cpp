#include "Dialogs.h"

namespace res {

using namespace platform;

const DialogTemplate& Dialog102() {
    static const DialogTemplate dialog{
        102, "新宋体", 9, 230, 229, DS_CHILD | DS_VISIBLE, "",
        {
            {1020, ControlClass::Static, "00:00:00/99:99:99", 15, 160, 200, 10, CF_RIGHT},
            {1000, ControlClass::Static, "", 15, 15, 200, 140, CF_BLACKRECT | CF_NOTIFY},
            {1016, ControlClass::Static, "Static", 15, 175, 200, 10, CF_BORDER},
            {1003, ControlClass::PushButton, "", 13, 202, 21, 20},
            {1006, ControlClass::PushButton, "", 41, 202, 21, 20},
            {1009, ControlClass::PushButton, "", 69, 202, 21, 20},
            {1012, ControlClass::PushButton, "", 97, 202, 21, 20},
            {1015, ControlClass::PushButton, "", 125, 202, 21, 20},
        }};
    return dialog;
}

}  // namespace res
