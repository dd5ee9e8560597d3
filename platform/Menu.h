#pragma once
// Pop-up menus: built in code or from a menu resource, tracked at a screen
// point; the chosen command goes to the owner dialog. A test hook sees each
// tracked menu and chooses for the user.
#include <QPoint>

#include <functional>
#include <string>
#include <vector>

namespace platform {

class CDialog;

struct MenuItem {
    int id = 0;  // 0 for a separator
    std::string text;
    bool separator = false;
};

class CMenu {
public:
    CMenu() = default;
    explicit CMenu(std::vector<MenuItem> items) : m_items(std::move(items)) {}

    void AppendMenu(int id, std::string text) { m_items.push_back({id, std::move(text), false}); }
    void AppendSeparator() { m_items.push_back({0, {}, true}); }
    // Shows the item at `position` as the default (bold) one.
    bool SetDefaultItem(int position);

    const std::vector<MenuItem>& Items() const { return m_items; }
    int DefaultItem() const { return m_defaultItem; }

    // Shows the menu with its top-left corner at `screenPoint` until the user
    // chooses or dismisses it; the chosen command (0: none) is returned and
    // sent to `owner` as a command.
    int TrackPopupMenu(QPoint screenPoint, CDialog* owner) const;

private:
    std::vector<MenuItem> m_items;
    int m_defaultItem = -1;
};

// A menu resource: its pop-ups in order.
struct MenuResource {
    std::vector<CMenu> popups;
    const CMenu* GetSubMenu(std::size_t index) const {
        return index < popups.size() ? &popups[index] : nullptr;
    }
};

struct MenuCall {
    const CMenu& menu;
    QPoint screenPoint;
    CDialog* owner;
};
// Returns the command the user would choose (0: dismissed); empty hook: the real menu.
using MenuHook = std::function<int(const MenuCall&)>;
void SetMenuHook(MenuHook hook);

}  // namespace platform
