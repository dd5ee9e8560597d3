#include "Menu.h"

#include "Dialog.h"
#include "Gbk.h"

#include <QAction>
#include <QMenu>

namespace platform {
namespace {

MenuHook& Hook() {
    static MenuHook hook;
    return hook;
}

int Run(const CMenu& menu, QPoint screenPoint) {
    QMenu popup;
    const auto& items = menu.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].separator) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(GbkToQString(items[i].text));
        action->setData(items[i].id);
        if (static_cast<int>(i) == menu.DefaultItem()) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            popup.setDefaultAction(action);
        }
    }
    QAction* chosen = popup.exec(screenPoint);
    return chosen ? chosen->data().toInt() : 0;
}

}  // namespace

bool CMenu::SetDefaultItem(int position) {
    if (position < 0 || position >= static_cast<int>(m_items.size()) ||
        m_items[static_cast<std::size_t>(position)].separator)
        return false;
    m_defaultItem = position;
    return true;
}

int CMenu::TrackPopupMenu(QPoint screenPoint, CDialog* owner) const {
    const int command = Hook() ? Hook()(MenuCall{*this, screenPoint, owner}) : Run(*this, screenPoint);
    if (command != 0 && owner)
        owner->SendCommand(command);
    return command;
}

void SetMenuHook(MenuHook hook) {
    Hook() = std::move(hook);
}

}  // namespace platform
