// The main window's frame: top strip, maximise and restore, minimise, close,
// the menu button, the link text.
#include "BBDlg.h"

#include "external/skin/SkinDLL.h"
#include "platform/Config.h"
#include "platform/FileSystem.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "res/Strings.h"
#include "res/dialogs/Dialogs.h"

#include <QMouseEvent>
#include <QWindow>

using namespace res;

void CBBDlg::mousePressEvent(QMouseEvent* event) {
    CDialog::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || event->position().y() > kCaptionStripHeight ||
        m_bMaximized)
        return;
    // The window manager moves the window; without one we follow the mouse.
    if (!windowHandle() || !windowHandle()->startSystemMove())
        m_dragOffset = event->globalPosition().toPoint() - pos();
}

void CBBDlg::mouseMoveEvent(QMouseEvent* event) {
    CDialog::mouseMoveEvent(event);
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
}

void CBBDlg::mouseReleaseEvent(QMouseEvent* event) {
    CDialog::mouseReleaseEvent(event);
    m_dragOffset.reset();
}

void CBBDlg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && event->position().y() <= kCaptionStripHeight)
        ToggleMaximize();
    CDialog::mouseDoubleClickEvent(event);
}

void CBBDlg::Maximize() {
    if (m_bMaximized)
        return;
    m_rcRestore = platform::GetWindowRect(this);
    const QRect area = platform::WorkArea(this);
    m_bMaximized = 1;
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_MAXIMIZE), "button.system.restore");
    // Two pixels beyond every edge, so that the border lies off-screen.
    setUpdatesEnabled(false);
    setGeometry(area.left() - 2, area.top() - 2, area.width() + 4, area.height() + 4);
    setUpdatesEnabled(true);
}

void CBBDlg::Restore() {
    if (!m_bMaximized)
        return;
    m_bMaximized = 0;
    SkinDLL_SubclassWindow(GetDlgItem(IDC_BTN_MAXIMIZE), "button.system.max");
    setUpdatesEnabled(false);
    setGeometry(m_rcRestore);
    setUpdatesEnabled(true);
}

void CBBDlg::ToggleMaximize() {
    if (m_bMaximized)
        Restore();
    else
        Maximize();
    NavigateBrowser(platform::Config::Instance().WebServer() + "/bbad.asp?from=shop");
    platform::TrimWorkingSet();
}

void CBBDlg::OnMinimize() {
    platform::ShowWindow(this, platform::SW_MINIMIZE);
    platform::TrimWorkingSet();
}

void CBBDlg::OnClose() {
    const int answer =
        platform::MessageBox(this, kCloseQuestion, kTitleLalora,
                             platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
    if (answer == platform::IDYES)
        ExitProgram();
}

void CBBDlg::OnMenuButton() {
    platform::CMenu menu;
    menu.AppendMenu(ID_MENU_SETTINGS, kMenuSettings);
    menu.AppendSeparator();
    menu.AppendMenu(ID_MENU_HOMEPAGE, kMenuHomepage);
    menu.AppendMenu(ID_MENU_ABOUT, kMenuAbout);
    const QRect button = platform::GetWindowRect(GetDlgItem(IDC_BTN_MENU));
    menu.TrackPopupMenu(QPoint(button.left(), button.top() + button.height()), this);
}

void CBBDlg::OnLinkText() {
    platform::ShellOpen(m_strAdUrl);
}

// The settings dialog comes with the settings issue.
void CBBDlg::OnSettings() {}

// The feedback dialog comes with the web dialogs.
void CBBDlg::OnFeedback() {}

// The skin chooser comes with the skin chooser issue.
void CBBDlg::OnSkinButton() {}

// Control 1032 becomes a browser with the web issue; until then there is
// nothing to navigate.
void CBBDlg::NavigateBrowser(const std::string&) {}
