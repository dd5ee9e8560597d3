#include "SkinEngine.h"

#include "external/skin/SkinItemDelegate.h"
#include "external/skin/SkinState.h"
#include "platform/FileSystem.h"
#include "platform/Gbk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <QTreeView>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// The element auto-skinned dialogs get, and the one menus take colours from.
constexpr const char* kHookedWindowElement = "window.auto";
constexpr const char* kMenuElement = "menu";

std::filesystem::path PackagePath(const std::string& folder) {
    std::string path = folder;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!path.empty() && path.front() != '/')
        path = platform::ExecutableFolder() + path;
    return platform::FsPath(path);
}

// Sees every widget of the application once, when it is first polished.
class PolishHook : public QObject {
public:
    explicit PolishHook(std::function<void(QWidget*)> onPolish) : m_onPolish(std::move(onPolish)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish && watched->isWidgetType())
            m_onPolish(static_cast<QWidget*>(watched));
        return false;
    }

private:
    std::function<void(QWidget*)> m_onPolish;
};

}  // namespace

SkinEngine& SkinEngine::Instance() {
    static SkinEngine engine;
    return engine;
}

SkinEngine::SkinEngine() {
    m_looks.SetHsb(SkinState::Instance().Hsb());
    connect(&SkinState::Instance(), &SkinState::Changed, this, &SkinEngine::OnChanged);
}

bool SkinEngine::LoadPackage(const std::string& folder, const std::string& password) {
    return m_library.LoadPackage(PackagePath(folder), password);
}

const SkinElement* SkinEngine::ElementFor(const QWidget* widget) const {
    const auto element = SkinState::Instance().ElementOf(widget);
    return element ? m_library.Find(*element) : nullptr;
}

void SkinEngine::Attach(QWidget* widget) {
    if (!widget || !m_bound.insert(widget).second) {
        Repaint(widget);
        return;
    }
    connect(widget, &QObject::destroyed, this, [this, widget] {
        m_bound.erase(widget);
        m_pointers.erase(widget);
        std::erase_if(m_viewports, [widget](const auto& v) { return v.second == widget; });
    });
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
    if (auto* tree = qobject_cast<QTreeView*>(widget)) {
        // The engine draws the rows and their open/closed marks.
        tree->setItemDelegate(new SkinItemDelegate(tree));
        tree->setRootIsDecorated(false);
        QPalette palette = tree->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        palette.setColor(QPalette::Highlight, Qt::transparent);
        palette.setColor(QPalette::AlternateBase, Qt::transparent);
        tree->setPalette(palette);
        QWidget* viewport = tree->viewport();
        viewport->setAutoFillBackground(false);
        viewport->setMouseTracking(true);
        viewport->setAttribute(Qt::WA_Hover);
        viewport->installEventFilter(this);
        m_viewports[viewport] = tree;
    } else if (const SkinElement* e = ElementFor(widget); e && e->kind == "text") {
        widget->setCursor(Qt::PointingHandCursor);  // link text
    } else if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QSlider*>(widget)) {
        widget->setMouseTracking(true);  // hover on drawn items
    }
    Repaint(widget);
}

void SkinEngine::EnableHook(bool on) {
    if (on && !m_hook && qApp) {
        m_hook = std::make_unique<PolishHook>([this](QWidget* w) {
            if (!m_bound.count(w))
                Hook(w);
        });
        qApp->installEventFilter(m_hook.get());
    }
}

void SkinEngine::OnChanged(QWidget* window) {
    if (window) {
        Repaint(window);
        return;
    }
    m_looks.SetHsb(SkinState::Instance().Hsb());
    for (QWidget* w : m_bound) Repaint(w);
}

void SkinEngine::Repaint(QWidget* widget) {
    if (!widget || !m_bound.count(widget))
        return;
    if (auto* tree = qobject_cast<QTreeView*>(widget))
        tree->viewport()->update();
    widget->update();
}

void SkinEngine::DrawTreeItem(QPainter& p, const QStyleOptionViewItem& option, const QString& text,
                              const SkinElement* e) {
    skindraw::Context c{m_looks, m_library};
    skindraw::TreeItem(p, option, text, e, c);
}

void SkinEngine::Paint(QWidget* widget) {
    QPainter p(widget);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    skindraw::Context c{m_looks, m_library};
    const SkinElement* e = ElementFor(widget);
    // An element of another kind than the widget takes is drawn as no element.
    auto of = [e](std::initializer_list<const char*> kinds) -> const SkinElement* {
        for (const char* kind : kinds)
            if (e && e->kind == kind)
                return e;
        return nullptr;
    };
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    if (of({"panel"}))
        skindraw::Panel(p, *widget, *e, c, m_pointers[widget]);
    else if ((label || button) && (label || of({"text"})))
        skindraw::Text(p, *widget, label ? label->text() : button->text(),
                       label ? label->alignment() : Qt::AlignLeft | Qt::AlignVCenter, of({"text"}),
                       c);
    else if (button)
        skindraw::Button(p, *button, of({"button"}), c);
    else if (auto* slider = qobject_cast<QSlider*>(widget))
        skindraw::Slider(p, *slider, of({"slider"}), c);
    else
        skindraw::Window(p, *widget, of({"frame", "window"}), c);
}

bool SkinEngine::PanelMouse(QWidget* widget, const SkinElement& e, QEvent* event) {
    auto& pointer = m_pointers[widget];
    const auto* mouse = event->type() == QEvent::Leave ? nullptr : static_cast<QMouseEvent*>(event);
    const SkinPanelItem* item =
        mouse ? skindraw::PanelItemAt(*widget, e, mouse->position().toPoint()) : nullptr;
    const std::string name = item ? item->name : std::string();
    std::string clicked;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton)
                pointer.pressed = name;
            break;
        case QEvent::MouseButtonRelease:
            if (mouse->button() == Qt::LeftButton) {
                if (!name.empty() && name == pointer.pressed)
                    clicked = name;
                pointer.pressed.clear();
            }
            break;
        default: break;
    }
    if (pointer.hovered != name || event->type() != QEvent::MouseMove) {
        pointer.hovered = name;
        widget->update();
    }
    if (!clicked.empty())
        emit SkinState::Instance().ItemClicked(widget, clicked);
    return false;
}

bool SkinEngine::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);

    if (auto it = m_viewports.find(widget); it != m_viewports.end()) {
        if (event->type() == QEvent::Paint) {
            QPainter p(widget);
            skindraw::Context c{m_looks, m_library};
            const SkinElement* e = ElementFor(it->second);
            skindraw::TreeBackground(p, *widget, e && e->kind == "tree" ? e : nullptr, c);
        }
        return false;  // the view draws its rows over it
    }
    if (!m_bound.count(widget) || qobject_cast<QTreeView*>(widget))
        return false;

    switch (event->type()) {
        case QEvent::Paint: Paint(widget); return true;
        case QEvent::Leave:
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (const SkinElement* e = ElementFor(widget); e && e->kind == "panel")
                return PanelMouse(widget, *e, event);
            if (event->type() == QEvent::Leave)
                widget->update();
            return false;
        case QEvent::Enter: widget->update(); return false;
        default: return false;
    }
}

void SkinEngine::Hook(QWidget* widget) {
    auto& state = SkinState::Instance();
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        if (state.MenusSkinned())
            SkinMenu(menu);
        return;
    }
    if (!state.HookEnabled() || !widget->isWindow() || !qobject_cast<QDialog*>(widget) ||
        state.ElementOf(widget))
        return;
    state.Bind(widget, kHookedWindowElement);
    Attach(widget);
}

void SkinEngine::SkinMenu(QMenu* menu) {
    const SkinElement* e = m_library.Find(kMenuElement);
    const QJsonObject props = e ? e->props : QJsonObject();
    auto colour = [&](const char* key, const char* fallback) {
        return m_looks.Colour(QColor(props.value(key).toString(fallback))).name();
    };
    menu->setStyleSheet(
        QString("QMenu{background:%1;color:%2;border:2px solid %3;border-radius:6px;padding:4px;}"
                "QMenu::item{padding:5px 22px;border-radius:5px;}"
                "QMenu::item:selected{background:%3;color:%4;}"
                "QMenu::separator{height:2px;background:%5;margin:3px 8px;}")
            .arg(colour("background", "#FFF8E8"), colour("color", "#5A3312"),
                 colour("selection", "#FF9A3C"), colour("selectedColor", "#FFFFFF"),
                 colour("separator", "#FFD9A8")));
}
