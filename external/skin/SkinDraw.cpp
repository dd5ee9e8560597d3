#include "SkinDraw.h"

#include "external/skin/SkinState.h"
#include "platform/Gbk.h"

#include <qdrawutil.h>
#include <QAbstractButton>
#include <QJsonArray>
#include <QPainterPath>
#include <QSlider>
#include <QStyle>
#include <QWidget>

namespace skindraw {
namespace {

// Built-in colours for drawing without a package.
const QColor kFallbackButton(0xFF, 0xA9, 0x3A);
const QColor kFallbackWindow(0xFF, 0xF6, 0xE0);
const QColor kFallbackStrip(0xFF, 0x8C, 0x2E);
const QColor kFallbackText(0x5A, 0x33, 0x12);
const QColor kFallbackLink(0x1E, 0x6F, 0xD9);

QColor ColourOf(const QJsonObject& o, const char* key, const QColor& fallback) {
    const QColor c(o.value(key).toString());
    return c.isValid() ? c : fallback;
}

QMargins MarginsOf(const QJsonObject& o, const char* key) {
    const QJsonArray a = o.value(key).toArray();
    return a.size() == 4 ? QMargins(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt())
                         : QMargins();
}

bool Fixed(const QJsonObject& o) {
    return o.value("fixedColours").toBool();
}

// Stretches the image over `target`; with margins as a nine-part border image.
void DrawStretched(QPainter& p, const QRect& target, const QPixmap& pixmap,
                   const QMargins& margins) {
    if (pixmap.isNull() || target.isEmpty())
        return;
    if (margins.isNull())
        p.drawPixmap(target, pixmap);
    else
        qDrawBorderPixmap(&p, target, margins, pixmap);
}

void DrawContained(QPainter& p, const QRect& area, const QPixmap& pixmap) {
    if (pixmap.isNull() || area.isEmpty())
        return;
    QSize size = pixmap.size().scaled(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2,
                       area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
    p.drawPixmap(target, pixmap);
}

QFont FontOf(const QJsonObject& text, const QFont& base) {
    QFont font(base);
    font.setFamilies({text.value("family").toString("WenQuanYi Zen Hei"), base.family()});
    font.setPixelSize(text.value("size").toInt(12));
    font.setBold(text.value("bold").toBool());
    return font;
}

// Text with an optional soft outline so it stays readable on busy artwork.
void DrawLabel(QPainter& p, const QRect& area, int flags, const QString& text, const QColor& colour,
               const QColor& outline) {
    if (outline.isValid()) {
        p.setPen(outline);
        for (const QPoint d :
             {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1), QPoint(1, 1)})
            p.drawText(area.translated(d), flags, text);
    }
    p.setPen(colour);
    p.drawText(area, flags, text);
}

void DrawTextProps(QPainter& p, const QRect& area, int flags, const QString& text,
                   const QJsonObject& props, const QColor& colour, const QFont& base, Context& c) {
    p.setFont(FontOf(props, base));
    const QColor outline(props.value("outline").toString());
    const bool fixed = Fixed(props);
    auto shift = [&](const QColor& x) { return fixed || !x.isValid() ? x : c.looks.Colour(x); };
    DrawLabel(p, area, flags, text, shift(colour), shift(outline));
}

QString StateOf(const QAbstractButton& b) {
    if (!b.isEnabled())
        return "disabled";
    if (b.isDown())
        return "pressed";
    if (b.isChecked())
        return "checked";
    if (b.underMouse())
        return "hover";
    return "normal";
}

QImage StateImage(const SkinElement& e, const QJsonObject& looks, const QString& state) {
    QImage image = e.Image(looks, state);
    if (image.isNull() && state == "disabled")
        image = e.Image(looks, "normal");
    if (image.isNull() && state != "normal")
        image = e.Image(looks, state == "pressed" ? "hover" : "normal");
    return image.isNull() ? e.Image(looks, "normal") : image;
}

void FallbackButton(QPainter& p, QAbstractButton& b, Context& c, const QString& state) {
    QColor fill = kFallbackButton;
    if (state == "hover")
        fill = fill.lighter(115);
    else if (state == "pressed")
        fill = fill.darker(125);
    else if (state == "checked")
        fill = QColor(0xFF, 0x6F, 0x3C);
    const QRectF r = QRectF(b.rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(c.looks.Colour(state == "checked" ? Qt::white : fill.darker(130)), 1.5));
    p.setBrush(c.looks.Colour(fill));
    p.drawRoundedRect(r, 6, 6);
    p.setFont(b.font());
    p.setPen(c.looks.Colour(kFallbackText));
    p.drawText(b.rect(), Qt::AlignCenter | Qt::TextShowMnemonic, b.text());
}

bool SubVisible(const QWidget& w, const std::string& item, bool byDefault) {
    return SkinState::Instance().SubItemVisible(&w, item).value_or(byDefault);
}

bool ItemVisible(const QWidget& w, const SkinElement& e, const SkinPanelItem& item) {
    if (!SubVisible(w, item.name, item.visible))
        return false;
    if (item.group.empty())
        return true;
    for (const auto& group : e.items)
        if (group.name == item.group)
            return ItemVisible(w, e, group);
    return true;
}

}  // namespace

void Button(QPainter& p, QAbstractButton& b, const SkinElement* e, Context& c) {
    const QString state = StateOf(b);
    if (!e) {
        FallbackButton(p, b, c, state);
        return;
    }
    const bool fixed = Fixed(e->props);
    const QJsonObject back = e->props.value("back").toObject();
    DrawStretched(p, b.rect(), c.looks.Pixmap(StateImage(*e, back, state), fixed),
                  MarginsOf(e->props, "margins"));

    const QJsonObject text = e->props.value("text").toObject();
    const bool showText = text.value("show").toBool() && !b.text().isEmpty();
    const int textBand = showText ? text.value("band").toInt(0) : 0;
    QRect iconArea = b.rect().marginsRemoved(MarginsOf(e->props, "iconPadding"));
    iconArea.setBottom(iconArea.bottom() - textBand);
    const QPoint press = state == "pressed" ? QPoint(1, 1) : QPoint();

    const QJsonObject icons = e->props.value("icon").toObject();
    DrawContained(p, iconArea.translated(press),
                  c.looks.Pixmap(StateImage(*e, icons, state), fixed));

    if (!showText)
        return;
    QRect textArea = b.rect().translated(press);
    if (textBand > 0)
        textArea.setTop(textArea.bottom() - textBand - text.value("raise").toInt(0));
    const bool checked = state == "checked" || (state == "pressed" && b.isChecked());
    const QColor colour =
        ColourOf(text, checked ? "checkedColor" : "color", ColourOf(text, "color", kFallbackText));
    DrawTextProps(p, textArea, Qt::AlignCenter | Qt::TextShowMnemonic, b.text(), text, colour,
                  b.font(), c);
}

void Slider(QPainter& p, QSlider& s, const SkinElement* e, Context& c) {
    const QJsonObject props = e ? e->props : QJsonObject();
    const bool fixed = Fixed(props);
    const QPixmap thumb = e ? c.looks.Pixmap(StateImage(*e, props.value("thumb").toObject(),
                                                        s.isSliderDown() ? "pressed"
                                                        : s.underMouse() ? "hover"
                                                                         : "normal"),
                                             fixed)
                            : QPixmap();
    const int thumbSize = std::min(s.height(), props.value("thumbSize").toInt(14));
    const int span = std::max(0, s.width() - thumbSize);
    const int x = QStyle::sliderPositionFromValue(s.minimum(), s.maximum(), s.value(), span,
                                                  s.invertedAppearance());
    const int grooveHeight = std::min(s.height(), props.value("grooveHeight").toInt(8));
    const QRect groove(thumbSize / 2, (s.height() - grooveHeight) / 2, span, grooveHeight);
    const QRect handle(x, (s.height() - thumbSize) / 2, thumbSize, thumbSize);
    const QPixmap grooveLook = e ? c.looks.Pixmap(e->Image("groove"), fixed) : QPixmap();
    if (grooveLook.isNull()) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.looks.Colour(kFallbackButton.lighter(130)));
        p.drawRoundedRect(groove, grooveHeight / 2.0, grooveHeight / 2.0);
    } else {
        DrawStretched(p, groove, grooveLook, MarginsOf(props, "margins"));
    }
    if (thumb.isNull()) {
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(c.looks.Colour(kFallbackStrip));
        p.drawEllipse(handle.adjusted(1, 1, -1, -1));
    } else {
        p.drawPixmap(handle, thumb);
    }
}

void Text(QPainter& p, QWidget& w, const QString& shownText, Qt::Alignment alignment,
          const SkinElement* e, Context& c) {
    const QJsonObject text = e ? e->props.value("text").toObject() : QJsonObject();
    const bool hovered = w.underMouse();
    const QColor colour =
        ColourOf(text, hovered ? "hoverColor" : "color", ColourOf(text, "color", kFallbackLink));
    QFont font = FontOf(text, w.font());
    font.setUnderline(hovered && text.value("underlineOnHover").toBool(true));
    p.setFont(font);
    const QRect area = w.contentsRect();
    const QString shown = p.fontMetrics().elidedText(shownText, Qt::ElideRight, area.width());
    p.setPen(Fixed(text) ? colour : c.looks.Colour(colour));
    p.drawText(area, static_cast<int>(alignment) | Qt::TextSingleLine, shown);
}

void Window(QPainter& p, QWidget& w, const SkinElement* e, Context& c) {
    const QJsonObject props = e ? e->props : QJsonObject();
    const QRect all = w.rect();
    const QPixmap back = e ? c.looks.Pixmap(e->Image("back")) : QPixmap();
    if (back.isNull())
        p.fillRect(all, c.looks.Colour(kFallbackWindow));
    else
        DrawStretched(p, all, back, MarginsOf(props, "margins"));

    const auto& state = SkinState::Instance();
    if (SubVisible(w, "item.texture", true)) {
        const std::string name = state.SubItemValue(&w, "item.texture").value_or("");
        const SkinElement* texture = name.empty() ? nullptr : c.library.Find(name);
        const QPixmap tile = texture ? c.looks.Pixmap(texture->Image("image")) : QPixmap();
        if (!tile.isNull())
            p.drawTiledPixmap(all.marginsRemoved(MarginsOf(props, "body")), tile);
    }

    const bool isFrame = e ? e->kind == "frame" : state.SubItemValue(&w, "item.text").has_value();
    if (!isFrame)
        return;
    const int stripHeight = props.value("stripHeight").toInt(30);
    const QRect strip(0, 0, all.width(), stripHeight);
    const QPixmap stripLook = e ? c.looks.Pixmap(e->Image("strip")) : QPixmap();
    if (stripLook.isNull())
        p.fillRect(strip, c.looks.Colour(kFallbackStrip));
    else
        DrawStretched(p, strip, stripLook, MarginsOf(props, "stripMargins"));
    if (e) {
        const QPixmap garland = c.looks.Pixmap(e->Image("garland"));
        if (!garland.isNull())
            p.drawTiledPixmap(QRect(0, stripHeight, all.width(), garland.height()), garland);
        const QJsonArray logo = props.value("logoRect").toArray();
        if (logo.size() == 4)
            DrawContained(p,
                          QRect(logo[0].toInt(), logo[1].toInt(), logo[2].toInt(), logo[3].toInt()),
                          c.looks.Pixmap(e->Image("logo")));
    }
    if (!SubVisible(w, "item.text", true))
        return;
    const QJsonObject caption = props.value("caption").toObject();
    const QString text = platform::GbkToQString(state.SubItemValue(&w, "item.text").value_or(""));
    const QRect area(caption.value("x").toInt(8), 0, all.width(), stripHeight);
    DrawTextProps(p, area, Qt::AlignLeft | Qt::AlignVCenter, text, caption,
                  ColourOf(caption, "color", Qt::white), w.font(), c);
}

void Panel(QPainter& p, QWidget& w, const SkinElement& e, Context& c, const PanelPointer& ptr) {
    Window(p, w, &e, c);
    const auto& state = SkinState::Instance();
    for (const auto& item : e.items) {
        if (!ItemVisible(w, e, item))
            continue;
        const bool fixed = Fixed(item.props);
        const QJsonArray subs = item.props.value("subs").toArray();
        for (const QJsonValue& v : subs) {
            const QJsonObject sub = v.toObject();
            const std::string subName = sub.value("name").toString().toStdString();
            if (state.EventSubItemVisible(&w, item.name, subName)
                    .value_or(sub.value("visible").toBool(true)))
                DrawStretched(p, item.rect, c.looks.Pixmap(e.Image(sub, "image"), fixed),
                              QMargins());
        }
        const bool hovered = item.clickable && ptr.hovered == item.name;
        const bool pressed = hovered && ptr.pressed == item.name;
        const QImage look = e.Image(item.props, pressed ? "pressed" : hovered ? "hover" : "image");
        const QImage shown = look.isNull() ? e.Image(item.props, "image") : look;
        DrawStretched(p, item.rect.translated(pressed ? QPoint(1, 1) : QPoint()),
                      c.looks.Pixmap(shown, fixed), QMargins());
        if (hovered && look.isNull() && subs.isEmpty()) {
            p.setPen(QPen(QColor(255, 255, 255, 230), 2));
            p.setBrush(QColor(255, 255, 255, 60));
            p.drawRoundedRect(QRectF(item.rect).adjusted(1, 1, -1, -1), 5, 5);
        }
        const QString label = item.props.value("label").toString();
        if (!label.isEmpty())
            DrawTextProps(p, item.rect, Qt::AlignCenter, label, item.props.value("text").toObject(),
                          ColourOf(item.props.value("text").toObject(), "color", kFallbackText),
                          w.font(), c);
    }
}

void TreeBackground(QPainter& p, QWidget& viewport, const SkinElement* e, Context& c) {
    const QPixmap back = e ? c.looks.Pixmap(e->Image("back")) : QPixmap();
    if (back.isNull())
        p.fillRect(viewport.rect(), c.looks.Colour(Qt::white));
    else
        DrawStretched(p, viewport.rect(), back, MarginsOf(e->props, "margins"));
}

void TreeItem(QPainter& p, const QStyleOptionViewItem& o, const QString& name, const SkinElement* e,
              Context& c) {
    const bool selected = o.state & QStyle::State_Selected;
    const bool hovered = o.state & QStyle::State_MouseOver;
    const bool group = o.state & QStyle::State_Children;
    const QJsonObject props = e ? e->props : QJsonObject();
    const QJsonObject back = props.value("back").toObject();
    const QString state = selected ? "selected" : hovered ? "hover" : "normal";
    const QRect row = o.rect.adjusted(1, 1, -1, -1);
    const QPixmap look =
        e ? c.looks.Pixmap(e->Image(back, group && state == "normal" ? "group" : state))
          : QPixmap();
    if (!look.isNull()) {
        DrawStretched(p, row, look, MarginsOf(props, "margins"));
    } else if (selected || hovered) {
        p.setPen(Qt::NoPen);
        p.setBrush(c.looks.Colour(selected ? kFallbackStrip : kFallbackWindow));
        p.drawRoundedRect(QRectF(row), 6, 6);
    }

    QRect textArea = row.adjusted(props.value("textIndent").toInt(8), 0, -4, 0);
    const QJsonObject text = props.value(group ? "groupText" : "text").toObject();
    if (group) {
        // Open and closed class nodes: a small triangle before the name.
        const int s = 5;
        const QPointF m(textArea.left() + s, row.center().y() + 0.5);
        QPainterPath tri;
        if (o.state & QStyle::State_Open) {
            tri.moveTo(m + QPointF(-s, -s / 2.0));
            tri.lineTo(m + QPointF(s, -s / 2.0));
            tri.lineTo(m + QPointF(0, s * 0.8));
        } else {
            tri.moveTo(m + QPointF(-s / 2.0, -s));
            tri.lineTo(m + QPointF(s * 0.8, 0));
            tri.lineTo(m + QPointF(-s / 2.0, s));
        }
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c.looks.Colour(
            ColourOf(props, selected ? "markerSelected" : "marker", kFallbackStrip)));
        p.drawPath(tri);
        textArea.setLeft(textArea.left() + 3 * s);
    }
    const QColor colour = ColourOf(text, selected ? "selectedColor" : "color", kFallbackText);
    const QString shown =
        QFontMetrics(FontOf(text, o.font)).elidedText(name, Qt::ElideRight, textArea.width());
    DrawTextProps(p, textArea, Qt::AlignLeft | Qt::AlignVCenter, shown, text, colour, o.font, c);
}

const SkinPanelItem* PanelItemAt(const QWidget& w, const SkinElement& e, QPoint pos) {
    for (auto it = e.items.rbegin(); it != e.items.rend(); ++it)
        if (it->clickable && it->rect.contains(pos) && ItemVisible(w, e, *it))
            return &*it;
    return nullptr;
}

}  // namespace skindraw
