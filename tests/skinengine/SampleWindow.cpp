#include "SampleWindow.h"

#include "external/skin/SkinDLL.h"
#include "platform/Gbk.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>

#include <string>

namespace {

constexpr const char* kPassword = kSkinPackagePassword;

template <typename W>
W* Place(QWidget* parent, const char* element, QRect r, const char* text = "") {
    auto* w = new W(parent);
    w->setGeometry(r);
    if constexpr (std::is_base_of_v<QAbstractButton, W> || std::is_same_v<W, QLabel>)
        w->setText(platform::GbkToQString(text));
    SkinDLL_SubclassWindow(w, element);
    return w;
}

QTreeWidgetItem* AddItem(QTreeWidget* tree, QTreeWidgetItem* parent, const char* own,
                         const char* shown) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    item->setText(0, platform::GbkToQString(own));
    SkinDLL_TreeCtrl_SetDrawItemSkin(tree, item, "drawitem.item", 0);
    SkinDLL_TreeCtrl_SetDrawItemSubItemValue(tree, item, "item.name", shown, 0);
    return item;
}

}  // namespace

bool LoadInstalledPackages() {
    static const bool loaded = [] {
        bool ok = true;
        for (const char* folder : {"Themes\\Vantri", "Themes\\VantriBB", "Themes\\changeskin"})
            ok = SkinDLL_LoadSkinResourceFromFolder(
                     (std::string(LALORA_PROGRAM_DIR) + "/" + folder).c_str(), kPassword) &&
                 ok;
        SkinDLL_Menu_EnableSkin(1);
        return ok;
    }();
    return loaded;
}

SampleWindow MakeSampleWindow() {
    SampleWindow s;
    s.frame = std::make_unique<QWidget>();
    QWidget* f = s.frame.get();
    f->resize(960, 640);
    SkinDLL_SubclassWindow(f, "mainframe11");
    SkinDLL_DirectUI_SetSubItemValue(f, "item.text", " Lalora", 1);

    const std::pair<const char*, const char*> categories[] = {
        {"tool.bb", "宝宝屋"}, {"tool.eg", "听儿歌"}, {"tool.gs", "讲故事"}, {"tool.zs", "学知识"},
        {"tool.yx", "玩游戏"}, {"tool.dh", "动画片"}, {"tool.mm", "儿童团"}};
    for (int i = 0; i < 7; ++i)
        s.categories[i] = Place<QRadioButton>(f, categories[i].first, QRect(7 + i * 69, 32, 70, 72),
                                              categories[i].second);
    s.categories[0]->setChecked(true);

    const char* system[] = {"button.system.close", "button.system.max", "button.system.min",
                            "button.system.menu", "button.system.feed"};
    for (int i = 0; i < 5; ++i) {
        auto* b = Place<QPushButton>(f, system[i], QRect(918 - i * 38, 2, 36, 24));
        if (i == 0)
            s.close = b;
    }
    Place<QPushButton>(f, "item.btn.skin", QRect(912, 70, 42, 28));

    const char* tabs[] = {"最新推荐", "宝宝爱看", "宝宝看过"};
    for (int i = 0; i < 3; ++i) {
        auto* tab = Place<QRadioButton>(f, "radio.tab", QRect(2 + i * 68, 106, 68, 30), tabs[i]);
        tab->setAutoExclusive(false);  // a separate group from the categories
        tab->setChecked(i == 0);
    }

    s.tree = Place<QTreeWidget>(f, "tree.videolist", QRect(2, 135, 205, 474));
    s.tree->setHeaderHidden(true);
    auto* songs = AddItem(s.tree, nullptr, "儿歌", "儿歌");
    for (const char* t : {"小星星", "两只老虎", "拔萝卜", "小兔子乖乖", "找朋友"})
        AddItem(s.tree, songs, t, t);
    auto* cartoons = AddItem(s.tree, nullptr, "动画", "动画");
    AddItem(s.tree, cartoons, "http://127.0.0.1/page1.html", "小熊过河");
    s.tree->expandAll();
    s.tree->setCurrentItem(songs->child(1));

    QWidget* panel = Place<QWidget>(f, "winChild", QRect(207, 106, 751, 503));
    const char* player[] = {"item.bb.btn.Open", "item.bb.btn.Play", "item.bb.btn.Pause",
                            "item.bb.btn.Stop", "item.bb.btn.Full"};
    for (int i = 0; i < 5; ++i)
        Place<QPushButton>(panel, player[i], QRect(20 + i * 48, 450, 40, 40));

    Place<QLabel>(f, "item.text.link", QRect(207, 614, 610, 22), "欢迎来到宝宝乐园！");

    s.chooser = std::make_unique<QWidget>();
    s.chooser->resize(138, 197);
    SkinDLL_SubclassWindow(s.chooser.get(), "changeskin");
    const char* sliders[] = {"slider.hue", "slider.sat", "slider.bri", "slider.tran"};
    for (int i = 0; i < 4; ++i) {
        auto* slider = Place<QSlider>(s.chooser.get(), sliders[i], QRect(8, 96 + i * 24, 122, 22));
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(i == 0 ? -180 : i == 3 ? 30 : -100, i == 0 ? 180 : i == 3 ? 255 : 100);
        if (i == 0)
            s.hue = slider;
    }
    return s;
}
