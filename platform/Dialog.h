#pragma once
// A dialog whose children are built from a template in dialog units. Children
// are found by control id; their clicks and edit changes arrive as OnCommand
// (id, notification code). It runs modally (DoModal … EndDialog) or modeless
// (Create). Texts are GBK.
#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QWidget>

#include <exception>
#include <map>
#include <string>
#include <string_view>

class QButtonGroup;
class QEventLoop;

namespace platform {

enum CommandNotification : int {
    BN_CLICKED = 0,
    STN_CLICKED = 0,
    STN_DBLCLK = 1,
    EN_CHANGE = 0x300,
};

class CDialog : public QWidget {
    Q_OBJECT
public:
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Creates the window and its children, runs OnInitDialog, shows the
    // window and processes events until EndDialog or DestroyWindow; the
    // EndDialog result, or -1.
    int DoModal();
    // Creates the window modeless (a child of `parent` for a child template);
    // shown when the template says visible.
    bool Create(QWidget* parent = nullptr);
    void EndDialog(int result);
    // Takes the window down for good (ends a modal run with -1).
    virtual void DestroyWindow();
    bool IsWindowCreated() const { return m_created && !m_destroyed; }

    QWidget* GetDlgItem(int id) const;
    template <class T>
    T* GetDlgItemAs(int id) const { return qobject_cast<T*>(GetDlgItem(id)); }
    void SetDlgItemText(int id, std::string_view text);
    std::string GetDlgItemText(int id) const;
    void CheckDlgButton(int id, bool checked);
    bool IsDlgButtonChecked(int id) const;
    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;

    // A rectangle in this dialog's units, in pixels.
    QRect MapDialogRect(int x, int y, int cx, int cy) const;
    const DialogTemplate& Template() const { return m_template; }

    // Delivers a command as a control or menu would.
    void SendCommand(int id, int code = BN_CLICKED) { Dispatch(id, code); }

protected:
    // Binds members to the children; runs before OnInitDialog.
    virtual void DoDataExchange() {}
    virtual bool OnInitDialog() { return true; }
    // Default: the OK command runs OnOK, the cancel command OnCancel.
    virtual bool OnCommand(int id, int code);
    virtual void OnOK() { EndDialog(IDC_OK); }
    virtual void OnCancel() { EndDialog(IDC_CANCEL); }
    // A request to close the window (its close button, the window manager).
    virtual void OnClose() { OnCancel(); }

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // Runs a handler the way the window system would: an exception that
    // escapes it ends that handler only, and the program goes on.
    template <class Handler>
    static void RunHandler(Handler&& handler) {
        try {
            handler();
        } catch (const std::exception&) {
        }
    }

private:
    void Dispatch(int id, int code) { RunHandler([&] { OnCommand(id, code); }); }
    bool CreateWindowAndChildren(QWidget* parent);
    QWidget* CreateControl(const ControlTemplate& control, QButtonGroup*& radioGroup);

    DialogTemplate m_template;
    DialogBaseUnits m_units{};
    std::map<int, QWidget*> m_controls;
    QEventLoop* m_loop = nullptr;
    int m_result = -1;
    bool m_ended = false;
    bool m_created = false;
    bool m_destroyed = false;
};

}  // namespace platform
