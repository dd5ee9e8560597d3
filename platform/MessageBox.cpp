#include "MessageBox.h"

#include "Gbk.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace platform {
namespace {

MessageBoxHook& Hook() {
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(unsigned flags) {
    switch (flags & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) {
    Hook() = std::move(hook);
}

int MessageBox(QWidget* owner, std::string_view text, std::string_view title, unsigned flags) {
    if (Hook())
        return Hook()(MessageBoxCall{owner, std::string(text), std::string(title), flags});

    QMessageBox box(IconOf(flags), GbkToQString(title), GbkToQString(text), QMessageBox::NoButton,
                    owner);
    struct Choice {
        QMessageBox::StandardButton button;
        int result;
    };
    std::vector<Choice> choices;
    switch (flags & 0x0F) {
    case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
    case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
    default: choices = {{QMessageBox::Ok, IDOK}}; break;
    }
    std::vector<QPushButton*> buttons;
    for (const auto& choice : choices)
        buttons.push_back(box.addButton(choice.button));
    const std::size_t defaultIndex = (flags & MB_DEFBUTTON2) && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(buttons[defaultIndex]);
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return choices[i].result;
    return choices.back().result;
}

}  // namespace platform
