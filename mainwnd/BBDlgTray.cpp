// The main window's side of the notification-area icon, and the exit steps.
#include "BBDlg.h"

#include "app/Globals.h"
#include "platform/Window.h"

long CBBDlg::OnNotifyIconMessage(unsigned message, unsigned wParam, unsigned lParam) {
    return message == WM_TRAY_NOTIFY ? OnTrayNotify(wParam, lParam) : 0;
}

long CBBDlg::OnTrayNotify(unsigned wParam, unsigned lParam) {
    if ((lParam & 0xFFFF) == platform::WM_LBUTTONDBLCLK) {
        OnShowMainWindow();
        return 0;
    }
    return m_trayIcon.OnTrayNotification(wParam, lParam);
}

void CBBDlg::OnShowMainWindow() {
    if (platform::IsIconic(this))
        platform::ShowWindow(this, platform::SW_RESTORE);
    platform::ShowWindow(this, platform::SW_SHOWNORMAL);
    platform::SetForegroundWindow(this);
    setFocus();
}

void CBBDlg::OnTrayExit() {
    ExitProgram();
}

void CBBDlg::ExitProgram() {
    g_bExiting = 1;
    m_trayIcon.RemoveIcon();
    DestroyWindow();
    platform::PostQuitMessage(0);
}

// The updater start comes with the timers' issue.
void CBBDlg::OnOnlineUpgrade() {}
