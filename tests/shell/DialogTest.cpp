// The dialog layer: dialog units, children from a template, command routing,
// radio groups, Enter and Esc, the modal run.
#include "platform/Dialog.h"
#include "platform/Window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace platform;

namespace {

const DialogTemplate kTemplate{
    1, "MS Shell Dlg", 9, 100, 50, DS_CAPTION, "Test",
    {
        {11, ControlClass::RadioButton, "a", 0, 0, 20, 10, CF_GROUP},
        {12, ControlClass::RadioButton, "b", 20, 0, 20, 10},
        {13, ControlClass::PushButton, "p", 40, 0, 20, 10},
        {21, ControlClass::RadioButton, "c", 0, 20, 20, 10, CF_GROUP},
        {22, ControlClass::RadioButton, "d", 20, 20, 20, 10},
        {30, ControlClass::Edit, "", 0, 40, 30, 10, CF_HIDDEN | CF_DISABLED},
        {31, ControlClass::Static, "link", 40, 40, 30, 8, CF_NOTIFY},
    }};

class RecordingDialog : public CDialog {
public:
    RecordingDialog() : CDialog(kTemplate) {}
    std::vector<std::pair<int, int>> commands;

protected:
    bool OnCommand(int id, int code) override {
        commands.emplace_back(id, code);
        return CDialog::OnCommand(id, code);
    }
};

void SendKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

}  // namespace

TEST(DialogUnits, FollowTheAverageCharacterRule) {
    const DialogBaseUnits units{6, 16};
    EXPECT_EQ(MapDialogRect(units, 4, 17, 40, 41), QRect(6, 34, 60, 82));
    EXPECT_EQ(MapDialogRect(units, 547, 350, 1, 1), QRect(821, 700, 2, 2));  // 820.5 rounds up
    const DialogBaseUnits measured = BaseUnitsOf(DialogFont("MS Shell Dlg", 9));
    EXPECT_GT(measured.x, 3);
    EXPECT_GT(measured.y, 10);
}

TEST(Dialog, BuildsChildrenInDialogUnitsWithTheirFlags) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const QRect expected = dialog.MapDialogRect(20, 20, 20, 10);
    EXPECT_EQ(dialog.GetDlgItem(22)->geometry(), expected);
    EXPECT_EQ(dialog.size(), dialog.MapDialogRect(0, 0, 100, 50).size());
    EXPECT_TRUE(dialog.GetDlgItem(30)->isHidden());
    EXPECT_FALSE(dialog.GetDlgItem(30)->isEnabled());
    EXPECT_EQ(dialog.GetDlgItem(99), nullptr);
    dialog.SetDlgItemText(31, "宝宝");
    EXPECT_EQ(dialog.GetDlgItemText(31), "宝宝");
}

TEST(Dialog, RadioButtonsCheckWithinTheirGroupOnly) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.CheckDlgButton(11, true);
    dialog.CheckDlgButton(21, true);
    dialog.GetDlgItemAs<QRadioButton>(12)->click();
    EXPECT_FALSE(dialog.IsDlgButtonChecked(11));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(12));
    EXPECT_TRUE(dialog.IsDlgButtonChecked(21));
    EXPECT_EQ(dialog.commands.back(), std::make_pair(12, int(BN_CLICKED)));
}

TEST(Dialog, EditChangesAndStaticClicksArriveAsCommands) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.GetDlgItemAs<QLineEdit>(30)->setText("100%");
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands.back(), std::make_pair(30, int(EN_CHANGE)));
}

TEST(Dialog, EnterAndEscEndTheModalRunWithTheirCommands) {
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, IDC_OK}, {Qt::Key_Escape, IDC_CANCEL}}) {
        RecordingDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog, key = key] { SendKey(&dialog, key); });
        EXPECT_EQ(dialog.DoModal(), result);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(Dialog, DestroyWindowEndsTheModalRun) {
    RecordingDialog dialog;
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.DestroyWindow(); });
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.IsWindowCreated());
}

TEST(Dialog, TheQuitMessageEndsEveryModalRun) {
    RecordingDialog outer;
    RecordingDialog inner;
    int innerResult = 0;
    QTimer::singleShot(0, &outer, [&] {
        QTimer::singleShot(0, &inner, [] { PostQuitMessage(0); });
        innerResult = inner.DoModal();
    });
    EXPECT_EQ(outer.DoModal(), -1);
    EXPECT_EQ(innerResult, -1);
}

TEST(ShellOpen, HandsOnlyWebAndMailAddressesToTheOpener) {
    std::vector<std::string> opened;
    SetShellOpenHook([&](const std::string& url) { opened.push_back(url); });
    for (const char* url : {"http://a.test/", "HTTPS://b.test/x", "mailto:c@d.test", "file:///etc/passwd",
                            "javascript:alert(1)", "", "/relative", "ftp://e.test/"})
        ShellOpen(url);
    SetShellOpenHook({});
    EXPECT_EQ(opened, (std::vector<std::string>{"http://a.test/", "HTTPS://b.test/x", "mailto:c@d.test"}));
}
