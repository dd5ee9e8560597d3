// Writes screenshots of the skinned sample window (default colours; hue 136
// with a texture) and of the skin chooser's pages, and prints the folder.
#include "SampleWindow.h"

#include "external/skin/SkinDLL.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRadioButton>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? argv[1] : QDir::temp().filePath("lalora-skin-shots");
    QDir().mkpath(folder);
    if (!LoadInstalledPackages())
        std::fprintf(stderr, "some skin packages did not load\n");
    SampleWindow s = MakeSampleWindow();
    s.frame->show();
    s.chooser->show();
    auto shoot = [&](QWidget* w, const char* name) {
        QApplication::processEvents();
        w->grab().save(QDir(folder).filePath(name));
    };
    shoot(s.frame.get(), "main-default.png");

    // One category button in each of its looks: normal, hover, pressed, checked.
    QWidget strip;
    strip.resize(4 * 74, 76);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(QString::fromUtf16(u"讲故事"), &strip);
        b->setAutoExclusive(false);
        b->setGeometry(2 + i * 74, 2, 70, 72);
        SkinDLL_SubclassWindow(b, "tool.gs");
        b->setAttribute(Qt::WA_UnderMouse, i == 1);
        b->setDown(i == 2);
        b->setChecked(i == 3);
    }
    shoot(&strip, "category-looks.png");
    shoot(s.chooser.get(), "chooser-colour.png");
    SkinDLL_DirectUI_SetSubItemVisible(s.chooser.get(), "drawitem.color", 0, 1);
    SkinDLL_DirectUI_SetSubItemVisible(s.chooser.get(), "drawitem.texture", 1, 0);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(s.chooser.get(), "radiobtn.color", "item.check", 0,
                                                0);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(s.chooser.get(), "radiobtn.color", "item.uncheck",
                                                1, 1);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(s.chooser.get(), "radiobtn.texture", "item.uncheck",
                                                0, 0);
    SkinDLL_DirectUI_SetEventItemSubItemVisible(s.chooser.get(), "radiobtn.texture", "item.check",
                                                1, 1);
    for (QObject* child : s.chooser->children())
        if (child->isWidgetType())
            static_cast<QWidget*>(child)->hide();
    shoot(s.chooser.get(), "chooser-texture.png");

    SkinDLL_SetHSB(136, 0, 0);
    SkinDLL_DirectUI_SetSubItemValue(s.frame.get(), "item.texture", "skin.texture33", 1);
    shoot(s.frame.get(), "main-hue136-texture33.png");
    SkinDLL_SetHSB(0, 0, 0);
    SkinDLL_DirectUI_SetSubItemValue(s.frame.get(), "item.texture", "skin.texture88", 1);
    shoot(s.frame.get(), "main-texture88.png");
    std::printf("%s\n", qPrintable(QDir(folder).absolutePath()));
    return 0;
}
