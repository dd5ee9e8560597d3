// Draws the skin artwork and writes the three skin packages:
//   lalora_skinpack <Themes folder>
#include "Artwork.h"
#include "PackageWriter.h"

#include "external/skin/SkinDLL.h"
#include "external/skin/SkinLooks.h"

#include <QGuiApplication>
#include <QJsonArray>

#include <cstdio>
#include <string>

namespace {

using art::Look;

QJsonArray Array(std::initializer_list<int> v) {
    QJsonArray a;
    for (int x : v) a.append(x);
    return a;
}

// Images for each look, named "<prefix>.<look>".
template <typename Draw>
QJsonObject Looks(PackageWriter& pack, const QString& prefix, Draw draw) {
    QJsonObject looks;
    for (Look look : art::kLooks)
        looks.insert(art::LookName(look),
                     pack.AddImage(prefix + "." + art::LookName(look), draw(look)));
    return looks;
}

QJsonObject Text(const char* colour, int size, bool bold, const char* checked = nullptr,
                 const char* outline = nullptr) {
    QJsonObject t{{"show", true}, {"color", colour}, {"size", size}, {"bold", bold}};
    if (checked)
        t.insert("checkedColor", checked);
    if (outline)
        t.insert("outline", outline);
    return t;
}

struct Category {
    const char* element;
    const char* picture;
    QColor colour;
};

// Main window: frame, category buttons, frame buttons, tabs, trees, link text.
bool WriteMainPackage(const std::filesystem::path& folder, const QByteArray& password) {
    PackageWriter pack;
    pack.AddElement("mainframe11", {{"kind", "frame"},
                                    {"back", pack.AddImage("frame.back", art::FrameBack())},
                                    {"margins", Array({10, 112, 10, 34})},
                                    {"strip", pack.AddImage("frame.strip", art::FrameStrip())},
                                    {"stripMargins", Array({12, 12, 12, 4})},
                                    {"stripHeight", 30},
                                    {"garland", pack.AddImage("frame.garland", art::Garland())},
                                    {"logo", pack.AddImage("frame.sun", art::Sun())},
                                    {"logoRect", Array({5, 2, 26, 26})},
                                    {"body", Array({2, 30, 2, 2})},
                                    {"caption", QJsonObject{{"x", 30},
                                                            {"size", 16},
                                                            {"bold", true},
                                                            {"color", "#FFFFFF"},
                                                            {"outline", "#C85A00"}}}});

    const Category categories[] = {
        {"tool.bb", "house", QColor(0xFF, 0x78, 0x5A)},
        {"tool.eg", "note", QColor(0xFF, 0x7E, 0xB8)},
        {"tool.gs", "book", QColor(0x4C, 0xC3, 0x6B)},
        {"tool.zs", "bulb", QColor(0x4F, 0xB4, 0xF0)},
        {"tool.yx", "ball", QColor(0xA0, 0x7C, 0xF4)},
        {"tool.dh", "tv", QColor(0x2E, 0xC4, 0xB6)},
        {"tool.mm", "balloons", QColor(0xFF, 0xA2, 0x1C)},
    };
    for (const Category& c : categories) {
        const QString name = c.element;
        const QString icon = pack.AddImage(name + ".picture", art::Picture(c.picture));
        const QColor outline = c.colour.darker(170);
        pack.AddElement(
            name, {{"kind", "button"},
                   {"back", Looks(pack, name, [&](Look l) { return art::Tile(c.colour, l); })},
                   {"margins", Array({16, 16, 16, 16})},
                   {"icon", QJsonObject{{"normal", icon}}},
                   {"iconPadding", Array({8, 6, 8, 2})},
                   {"text", [&] {
                        QJsonObject t = Text("#FFFFFF", 14, true, "#FFFFFF",
                                             outline.name().toLatin1().constData());
                        t.insert("band", 20);
                        t.insert("raise", 3);
                        return t;
                    }()}});
    }

    const std::pair<const char*, const char*> frameButtons[] = {
        {"button.system.close", "close"},     {"button.system.max", "max"},
        {"button.system.restore", "restore"}, {"button.system.min", "min"},
        {"button.system.menu", "menu"},       {"button.system.feed", "feed"}};
    const QJsonObject plainBack =
        Looks(pack, "system", [](Look l) { return art::SystemBack(l, false); });
    const QJsonObject closeBack =
        Looks(pack, "system.close", [](Look l) { return art::SystemBack(l, true); });
    for (const auto& [element, glyph] : frameButtons)
        pack.AddElement(
            element,
            {{"kind", "button"},
             {"back", QString(glyph) == "close" ? closeBack : plainBack},
             {"margins", Array({8, 8, 8, 8})},
             {"icon",
              QJsonObject{{"normal", pack.AddImage(QString("glyph.") + glyph, art::Glyph(glyph))}}},
             {"iconPadding", Array({4, 2, 4, 2})}});

    const QColor pillBorder(0xFF, 0x9A, 0x3C);
    const QJsonObject pill =
        Looks(pack, "pill", [&](Look l) { return art::Pill(Qt::white, pillBorder, l); });
    pack.AddElement(
        "item.btn.skin",
        {{"kind", "button"},
         {"back", pill},
         {"margins", Array({9, 9, 9, 9})},
         {"icon", QJsonObject{{"normal", pack.AddImage("glyph.palette", art::Glyph("palette"))}}},
         {"iconPadding", Array({3, 2, 3, 2})}});
    pack.AddElement("item.bb.btn.NavText", {{"kind", "button"},
                                            {"back", Looks(pack, "navtext",
                                                           [](Look l) {
                                                               return art::Pill(
                                                                   QColor(0xFF, 0xF3, 0xD6),
                                                                   QColor(0xFF, 0xB3, 0x47), l);
                                                           })},
                                            {"margins", Array({9, 9, 9, 9})},
                                            {"text", Text("#8A4B16", 13, true)}});
    pack.AddElement("radio.tab", {{"kind", "button"},
                                  {"back", Looks(pack, "tab", art::TabBack)},
                                  {"margins", Array({12, 12, 12, 4})},
                                  {"text", Text("#8A4B16", 13, true, "#F06A00")}});

    pack.AddElement(
        "tree.videolist",
        {{"kind", "tree"},
         {"back", pack.AddImage("tree.back", art::RoundedBox(QColor(0xFF, 0xFD, 0xF6),
                                                             QColor(0xFF, 0xC4, 0x7A)))},
         {"margins", Array({12, 12, 12, 12})}});
    pack.AddElement(
        "drawitem.item",
        {{"kind", "drawitem"},
         {"back",
          QJsonObject{
              {"group", pack.AddImage("row.group", art::RowBack(QColor(0xFF, 0xF6, 0xDC),
                                                                QColor(0xFF, 0xEC, 0xC0)))},
              {"hover", pack.AddImage("row.hover", art::RowBack(QColor(0xFF, 0xF2, 0xB8),
                                                                QColor(0xFF, 0xE2, 0x8A)))},
              {"selected", pack.AddImage("row.selected", art::RowBack(QColor(0xFF, 0xB0, 0x4A),
                                                                      QColor(0xFF, 0x84, 0x1C)))}}},
         {"margins", Array({11, 8, 11, 8})},
         {"height", 28},
         {"textIndent", 10},
         {"marker", "#FF8A00"},
         {"markerSelected", "#FFFFFF"},
         {"text", QJsonObject{{"color", "#5A3312"}, {"selectedColor", "#FFFFFF"}, {"size", 13}}},
         {"groupText",
          QJsonObject{
              {"color", "#D9580D"}, {"selectedColor", "#FFFFFF"}, {"size", 14}, {"bold", true}}}});
    pack.AddElement("item.text.link", {{"kind", "text"},
                                       {"text", QJsonObject{{"color", "#1E6FD9"},
                                                            {"hoverColor", "#FF5A1F"},
                                                            {"size", 12},
                                                            {"underlineOnHover", true}}}});
    return pack.Write(folder, password);
}

struct PlayerButton {
    const char* element;
    const char* glyph;
    QColor colour;
};

// Player panel, web panels, dialogs and menus.
bool WritePanelsPackage(const std::filesystem::path& folder, const QByteArray& password) {
    PackageWriter pack;
    pack.AddElement("winChild",
                    {{"kind", "window"},
                     {"back", pack.AddImage("panel.back",
                                            art::RoundedBox(Qt::white, QColor(0xFF, 0xC4, 0x7A)))},
                     {"margins", Array({12, 12, 12, 12})}});
    const QString dialog = pack.AddImage("dialog.back", art::DialogBack());
    for (const char* element : {"winTip", "window.auto"})
        pack.AddElement(element,
                        {{"kind", "window"}, {"back", dialog}, {"margins", Array({0, 40, 0, 8})}});
    const PlayerButton buttons[] = {
        {"item.bb.btn.Open", "heart", QColor(0xFF, 0xC9, 0xDA)},
        {"item.bb.btn.Play", "play", QColor(0x3C, 0xC3, 0x6A)},
        {"item.bb.btn.Pause", "pause", QColor(0xFF, 0xB0, 0x20)},
        {"item.bb.btn.Stop", "stop", QColor(0xFF, 0x6B, 0x5B)},
        {"item.bb.btn.Full", "full", QColor(0x3F, 0xA2, 0xFF)},
    };
    for (const PlayerButton& b : buttons) {
        const QString name = b.element;
        pack.AddElement(
            name, {{"kind", "button"},
                   {"back", Looks(pack, name, [&](Look l) { return art::Tile(b.colour, l); })},
                   {"margins", Array({16, 16, 16, 16})},
                   {"icon",
                    QJsonObject{{"normal", pack.AddImage(name + ".glyph", art::Picture(b.glyph))}}},
                   {"iconPadding", Array({6, 5, 6, 7})}});
    }
    pack.AddElement("menu", {{"kind", "menu"},
                             {"background", "#FFF8E8"},
                             {"color", "#5A3312"},
                             {"selection", "#FF9A3C"},
                             {"selectedColor", "#FFFFFF"},
                             {"separator", "#FFD9A8"}});
    return pack.Write(folder, password);
}

struct Preset {
    int hue, saturation;
};
// The chooser's presets 11 … 88, as its items apply them.
constexpr Preset kPresets[] = {{10, -30},   {0, 0},      {108, -35},  {136, 0},
                               {-180, -25}, {-150, -25}, {-100, -49}, {23, -100}};

QJsonObject Item(const QString& name, const QString& group, QRect r, const QString& image = {}) {
    QJsonObject item{{"name", name}, {"rect", Array({r.x(), r.y(), r.width(), r.height()})}};
    if (!group.isEmpty())
        item.insert("group", group);
    if (!image.isEmpty()) {
        item.insert("image", image);
        item.insert("clickable", true);
        item.insert("fixedColours", true);  // swatches show what they choose
    }
    return item;
}

// The skin chooser, its sliders and the background textures.
bool WriteChooserPackage(const std::filesystem::path& folder, const QByteArray& password) {
    PackageWriter pack;
    QJsonArray items;
    const std::pair<const char*, QString> pages[] = {{"color", QStringLiteral("颜色")},
                                                     {"texture", QStringLiteral("纹理")},
                                                     {"theme", QStringLiteral("主题")}};
    for (int i = 0; i < 3; ++i) {
        const QString page = pages[i].first;
        const bool first = i == 0;
        QJsonObject tab = Item("radiobtn." + page, {}, QRect(4 + i * 44, 4, 42, 24));
        tab.insert("clickable", true);
        tab.insert(
            "subs",
            QJsonArray{
                QJsonObject{{"name", "item.uncheck"},
                            {"visible", !first},
                            {"image", pack.AddImage("tab." + page + ".uncheck",
                                                    art::ChooserTab(pages[i].second, false))}},
                QJsonObject{{"name", "item.check"},
                            {"visible", first},
                            {"image", pack.AddImage("tab." + page + ".check",
                                                    art::ChooserTab(pages[i].second, true))}}});
        items.append(tab);
        QJsonObject group = Item("drawitem." + page, {}, QRect(0, 30, 138, 167));
        group.insert("visible", first);
        items.append(group);
    }
    for (int i = 0; i < 8; ++i) {
        const QString n = QString::number((i + 1) * 11);
        const QColor colour =
            ShiftColour(art::kSunny, {kPresets[i].hue, kPresets[i].saturation, 0});
        items.append(Item("item.color." + n, "drawitem.color",
                          QRect(6 + (i % 4) * 32, 34 + (i / 4) * 28, 28, 24),
                          pack.AddImage("swatch.color." + n, art::ColourSwatch(colour))));
    }
    for (int i = 0; i < 9; ++i) {
        const QString n = QString::number((i + 1) * 11);
        const QRect r(6 + (i % 3) * 43, 36 + (i / 3) * 38, 40, 34);
        QImage swatch = art::NoneSwatch();
        if (i < 8) {
            const QImage tile = art::Texture(i + 1);
            pack.AddElement("skin.texture" + n,
                            {{"kind", "texture"}, {"image", pack.AddImage("texture" + n, tile)}});
            swatch =
                art::TextureSwatch(ShiftImage(tile, {kPresets[i].hue, kPresets[i].saturation, 0}));
        }
        items.append(Item("item.texture." + n, "drawitem.texture", r,
                          pack.AddImage("swatch.texture." + n, swatch)));
    }
    const QColor themes[] = {QColor(0xFF, 0x9A, 0x3C), QColor(0xFF, 0x7E, 0xB8),
                             QColor(0x4C, 0xC3, 0x6B), QColor(0x4F, 0xB4, 0xF0)};
    const QString themeNames[] = {QStringLiteral("阳光"), QStringLiteral("花朵"),
                                  QStringLiteral("森林"), QStringLiteral("海洋")};
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number((i + 1) * 11);
        items.append(Item(
            "item.theme." + n, "drawitem.theme", QRect(6 + (i % 2) * 64, 36 + (i / 2) * 56, 62, 50),
            pack.AddImage("swatch.theme." + n, art::ThemeSwatch(themes[i], themeNames[i]))));
    }
    pack.AddElement("changeskin",
                    {{"kind", "panel"},
                     {"back", pack.AddImage("chooser.back",
                                            art::RoundedBox(Qt::white, QColor(0xFF, 0xA8, 0x4A)))},
                     {"margins", Array({12, 12, 12, 12})},
                     {"items", items}});

    const QJsonObject thumb = Looks(pack, "slider.thumb", art::SliderThumb);
    const std::pair<const char*, art::Groove> sliders[] = {
        {"slider.hue", art::Groove::Hue},
        {"slider.sat", art::Groove::Saturation},
        {"slider.bri", art::Groove::Brightness},
        {"slider.tran", art::Groove::Transparency}};
    for (const auto& [element, groove] : sliders)
        pack.AddElement(
            element,
            {{"kind", "slider"},
             {"groove", pack.AddImage(QString(element) + ".groove", art::SliderGroove(groove))},
             {"margins", Array({5, 5, 5, 5})},
             {"thumb", thumb},
             {"thumbSize", 16},
             {"grooveHeight", 8},
             {"fixedColours", true}});
    return pack.Write(folder, password);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <Themes folder>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const std::filesystem::path themes = argv[1];
    const QByteArray password = kSkinPackagePassword;
    const bool ok = WriteMainPackage(themes / "Vantri", password) &&
                    WritePanelsPackage(themes / "VantriBB", password) &&
                    WriteChooserPackage(themes / "changeskin", password);
    if (!ok)
        std::fprintf(stderr, "cannot write the skin packages into %s\n", argv[1]);
    return ok ? 0 : 1;
}
