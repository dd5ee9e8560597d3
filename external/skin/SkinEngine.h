#pragma once
// The drawing side of the skin engine: the loaded packages, the colour shift
// and every bound widget. A bound widget's paint events are answered here
// (trees through their viewport and an item delegate); hover, press and
// check states, sub-item values and the colour shift repaint it. Windows whose
// element has clickable drawn items report clicks through
// SkinState::ItemClicked.
#include "external/skin/SkinDraw.h"
#include "external/skin/SkinLibrary.h"
#include "external/skin/SkinLooks.h"

#include <QObject>

#include <map>
#include <memory>
#include <set>
#include <string>

class QMenu;
class QTreeView;

class SkinEngine : public QObject {
    Q_OBJECT
public:
    static SkinEngine& Instance();

    // `folder`: a program path (GBK), '\' or '/' separated, relative ones
    // taken from the executable's folder.
    bool LoadPackage(const std::string& folder, const std::string& password);
    const SkinLibrary& Library() const { return m_library; }

    // Starts drawing `widget` from the element SkinState holds for it.
    void Attach(QWidget* widget);
    // Skins top-level dialogs (and menus) that appear from now on.
    void EnableHook(bool on);

    void DrawTreeItem(QPainter& p, const QStyleOptionViewItem& option, const QString& text,
                      const SkinElement* e);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SkinEngine();

    void OnChanged(QWidget* window);
    void Repaint(QWidget* widget);
    void Paint(QWidget* widget);
    bool PanelMouse(QWidget* widget, const SkinElement& e, QEvent* event);
    void Hook(QWidget* widget);
    void SkinMenu(QMenu* menu);
    const SkinElement* ElementFor(const QWidget* widget) const;

    SkinLibrary m_library;
    SkinLooks m_looks;
    std::set<QWidget*> m_bound;
    std::map<QWidget*, QTreeView*> m_viewports;
    std::map<QWidget*, skindraw::PanelPointer> m_pointers;
    std::unique_ptr<QObject> m_hook;
};
