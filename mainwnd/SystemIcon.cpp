#include "SystemIcon.h"

#include "platform/Dialog.h"
#include "platform/Window.h"
#include "res/dialogs/Dialogs.h"

#include <QCursor>

#include <algorithm>
#include <cstring>

CSystemIcon::~CSystemIcon() {
    RemoveIcon();
}

bool CSystemIcon::Create(platform::CDialog* owner, unsigned callbackMessage, std::string_view tip,
                         const QIcon& icon, unsigned id) {
    if (!owner) {
        m_bEnabled = false;
        return false;
    }
    m_owner = owner;
    m_nid = {};
    m_nid.hWnd = owner;
    m_nid.uID = id;
    m_nid.hIcon = icon;
    m_nid.uFlags = platform::NIF_MESSAGE | platform::NIF_ICON | platform::NIF_TIP;
    m_nid.uCallbackMessage = callbackMessage;
    // Bounded: the tip field holds 127 bytes and its NUL.
    const std::size_t length = std::min(tip.size(), sizeof m_nid.szTip - 1);
    std::memcpy(m_nid.szTip, tip.data(), length);
    m_nid.szTip[length] = '\0';
    m_bEnabled = platform::Shell_NotifyIcon(platform::NIM_ADD, m_nid);
    return m_bEnabled;
}

void CSystemIcon::RemoveIcon() {
    if (!m_bEnabled)
        return;
    m_nid.uFlags = 0;
    platform::Shell_NotifyIcon(platform::NIM_DELETE, m_nid);
    m_bEnabled = false;
}

long CSystemIcon::OnTrayNotification(unsigned wParam, unsigned lParam) {
    if (wParam != m_nid.uID)
        return 0;
    if ((lParam & 0xFFFF) != platform::WM_RBUTTONUP)
        return 1;
    const auto menu = res::LoadMenu(static_cast<int>(m_nid.uID & 0xFFFF));
    if (!menu)
        return 0;
    const platform::CMenu* popup = menu->GetSubMenu(0);
    if (!popup)
        return 0;
    platform::CMenu shown = *popup;
    shown.SetDefaultItem(7);  // "退出"
    const QPoint cursor = QCursor::pos();
    platform::SetForegroundWindow(m_nid.hWnd);
    shown.TrackPopupMenu(cursor, m_owner);
    return 1;
}
