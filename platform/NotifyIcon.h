#pragma once
// Icons in the notification area (the system tray), added and deleted like the
// shell's notify-icon calls. Mouse actions on an icon reach its owner, which
// implements NotifyIconSink, as (callback message, icon id, mouse message).
#include <QIcon>

class QWidget;

namespace platform {

enum NotifyIconMessage : int { NIM_ADD = 0, NIM_DELETE = 2 };
enum NotifyIconFlags : unsigned { NIF_MESSAGE = 0x1, NIF_ICON = 0x2, NIF_TIP = 0x4 };
enum MouseMessage : unsigned {
    WM_MOUSEMOVE = 0x200,
    WM_LBUTTONUP = 0x202,
    WM_LBUTTONDBLCLK = 0x203,
    WM_RBUTTONUP = 0x205,
    WM_MBUTTONUP = 0x208,
};

struct NotifyIconData {
    QWidget* hWnd = nullptr;
    unsigned uID = 0;
    unsigned uFlags = 0;
    unsigned uCallbackMessage = 0;
    QIcon hIcon;
    char szTip[128] = {};
};

class NotifyIconSink {
public:
    virtual long OnNotifyIconMessage(unsigned message, unsigned wParam, unsigned lParam) = 0;

protected:
    ~NotifyIconSink() = default;
};

// NIM_ADD fails when the desktop has no notification area or the icon (owner,
// id) is already there; NIM_DELETE when it is not.
bool Shell_NotifyIcon(int message, const NotifyIconData& data);

}  // namespace platform
