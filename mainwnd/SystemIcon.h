#pragma once
// The program's icon in the notification area. Its owner receives the mouse
// actions as WM_TRAY_NOTIFY; the right button opens the menu resource that has
// the icon's number.
#include "platform/NotifyIcon.h"

#include <string_view>

class QIcon;

namespace platform {
class CDialog;
}

inline constexpr unsigned WM_TRAY_NOTIFY = 1126;

class CSystemIcon {
public:
    CSystemIcon() = default;
    ~CSystemIcon();
    CSystemIcon(const CSystemIcon&) = delete;
    CSystemIcon& operator=(const CSystemIcon&) = delete;

    // False when there is no owner or no notification area.
    bool Create(platform::CDialog* owner, unsigned callbackMessage, std::string_view tip,
                const QIcon& icon, unsigned id);
    void RemoveIcon();
    long OnTrayNotification(unsigned wParam, unsigned lParam);

    bool IsEnabled() const { return m_bEnabled; }
    const platform::NotifyIconData& Data() const { return m_nid; }

private:
    bool m_bEnabled = false;
    platform::NotifyIconData m_nid;
    platform::CDialog* m_owner = nullptr;
};
