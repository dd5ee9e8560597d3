#pragma once
// The one way the program shows a message box. Texts are GBK; flags and results
// are the Windows MB_ and ID values the callers speak. Tests install a hook that
// sees every box and answers it.
#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace platform {

enum MessageBoxFlags : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONHAND = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON2 = 0x100,
};

enum MessageBoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

struct MessageBoxCall {
    QWidget* owner;
    std::string text;
    std::string title;
    unsigned flags;
};

using MessageBoxHook = std::function<int(const MessageBoxCall&)>;

// Replaces the real box; an empty hook restores it.
void SetMessageBoxHook(MessageBoxHook hook);

int MessageBox(QWidget* owner, std::string_view text, std::string_view title, unsigned flags);

}  // namespace platform
