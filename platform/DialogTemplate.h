#pragma once
// A dialog described the way a resource script describes it: a font, a size
// and a list of controls, all measured in dialog units. Texts are GBK.
#include <string>
#include <vector>

namespace platform {

// The command ids of Enter and Esc, and of the OK and Cancel buttons.
inline constexpr int IDC_OK = 1;
inline constexpr int IDC_CANCEL = 2;

enum class ControlClass {
    PushButton,
    RadioButton,  // automatic: a click checks it and clears its group
    CheckBox,
    Static,
    Edit,
    Tree,
    Progress,
    Placeholder,  // an empty child window that something else fills (a browser)
};

enum ControlFlags : unsigned {
    CF_HIDDEN = 0x1,
    CF_DISABLED = 0x2,
    CF_GROUP = 0x4,   // starts a radio group
    CF_NOTIFY = 0x8,  // a static that reports clicks
    CF_RIGHT = 0x10,       // a static's text right-aligned
    CF_BLACKRECT = 0x20,   // a static that is a black rectangle
    CF_BORDER = 0x40,      // a static with a thin border
};

struct ControlTemplate {
    int id;
    ControlClass cls;
    std::string text;
    int x, y, cx, cy;
    unsigned flags = 0;
};

enum DialogStyles : unsigned {
    DS_POPUP = 0x1,      // no caption bar
    DS_CAPTION = 0x2,    // a normal title bar with the caption text
    DS_CHILD = 0x4,      // a child window of its parent
    DS_VISIBLE = 0x8,    // shown as soon as it is created
    DS_APPWINDOW = 0x10, // has its own taskbar entry
};

struct DialogTemplate {
    int id;
    std::string fontName;
    int fontPointSize;
    int cx, cy;  // client size
    unsigned styles;
    std::string caption;
    std::vector<ControlTemplate> controls;
};

}  // namespace platform
