#include "AboutDlg.h"

#include "res/dialogs/Dialogs.h"

#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(res::Dialog100(), parent) {}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const QIcon icon = res::LoadIcon(res::IDR_MAINFRAME_ICON);
    setWindowIcon(icon);
    if (auto* picture = GetDlgItemAs<QLabel>(res::IDC_ABOUT_ICON))
        picture->setPixmap(icon.pixmap(32, 32));
    return true;
}
