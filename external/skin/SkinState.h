#pragma once
// What the program has told the skin engine: per window its element, sub-item
// values and visibilities; per tree item its element and sub-item values; the
// global colour shift. The drawing reads from here and redraws on `Changed`.
// Tree-item data is kept on the items themselves, so it goes with them.
#include <QObject>
#include <QPointer>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWidget;
class QTreeWidgetItem;

struct SkinHsb {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
};

class SkinState : public QObject {
    Q_OBJECT
public:
    static SkinState& Instance();

    // Packages asked for, in order, with their folders as given (loaded or not).
    const std::vector<std::string>& LoadedFolders() const { return m_folders; }
    bool MenusSkinned() const { return m_menusSkinned; }
    bool HookEnabled() const { return m_hookEnabled; }
    SkinHsb Hsb() const { return m_hsb; }

    std::optional<std::string> ElementOf(const QWidget* window) const;
    std::optional<std::string> SubItemValue(const QWidget* window, const std::string& item) const;
    std::optional<bool> SubItemVisible(const QWidget* window, const std::string& item) const;
    std::optional<bool> EventSubItemVisible(const QWidget* window, const std::string& eventItem,
                                            const std::string& subItem) const;
    // Item data roles (column 0) holding a tree item's element and sub-item
    // values; well clear of any role the program itself uses.
    static constexpr int kItemElementRole = Qt::UserRole + 0x5E1;
    static constexpr int kItemValuesRole = Qt::UserRole + 0x5E2;
    static std::optional<std::string> ItemElementOf(const QTreeWidgetItem* item);
    static std::optional<std::string> ItemSubValue(const QTreeWidgetItem* item,
                                                   const std::string& subItem);

    // Called by the entry points.
    void AddFolder(std::string folder) { m_folders.push_back(std::move(folder)); }
    void SetMenusSkinned(bool on) { m_menusSkinned = on; }
    void SetHookEnabled(bool on) { m_hookEnabled = on; }
    void SetHsb(SkinHsb hsb);
    void Bind(QWidget* window, std::string element);
    void SetSubItemValue(QWidget* window, std::string item, std::string value);
    void SetSubItemVisible(QWidget* window, std::string item, bool visible);
    void SetEventSubItemVisible(QWidget* window, std::string eventItem, std::string subItem,
                                bool visible);
    void BindItem(QWidget* tree, QTreeWidgetItem* item, std::string element);
    void SetItemSubValue(QWidget* tree, QTreeWidgetItem* item, std::string subItem,
                         std::string value);

signals:
    // A window's (or a tree's) skin data changed; nullptr: every window (colours).
    void Changed(QWidget* window);
    // The engine's item-click message (WM_SKIN_ITEM_CLICK, 6324): a clickable
    // drawn sub-item `name` of the skinned `window` was clicked.
    void ItemClicked(QWidget* window, const std::string& name);

private:
    SkinState() = default;

    struct WindowSkin {
        std::string element;
        std::map<std::string, std::string> values;
        std::map<std::string, bool> visible;
        std::map<std::pair<std::string, std::string>, bool> eventVisible;
    };

    WindowSkin& Track(QWidget* window);
    const WindowSkin* Find(const QWidget* window) const;

    std::vector<std::string> m_folders;
    bool m_menusSkinned = false;
    bool m_hookEnabled = false;
    SkinHsb m_hsb;
    std::map<const QWidget*, WindowSkin> m_windows;
};
