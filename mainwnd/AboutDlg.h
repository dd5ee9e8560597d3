#pragma once
// The about box (dialog 100).
#include "platform/Dialog.h"

class CAboutDlg : public platform::CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
};
