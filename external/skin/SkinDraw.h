#pragma once
// How each kind of skinned widget is drawn from its element. Every function
// also draws without an element (package missing or broken): plain colours.
#include "external/skin/SkinLibrary.h"
#include "external/skin/SkinLooks.h"

#include <QPainter>
#include <QStyleOptionViewItem>

#include <string>

class QAbstractButton;
class QSlider;
class QWidget;

namespace skindraw {

struct Context {
    SkinLooks& looks;
    const SkinLibrary& library;
};

// Which panel sub-item the pointer is over and which one it went down on.
struct PanelPointer {
    std::string hovered;
    std::string pressed;
};

void Button(QPainter& p, QAbstractButton& button, const SkinElement* e, Context& c);
void Slider(QPainter& p, QSlider& slider, const SkinElement* e, Context& c);
// Link-like text: the widget's text in the element's colours, underlined on hover.
void Text(QPainter& p, QWidget& w, const QString& text, Qt::Alignment alignment,
          const SkinElement* e, Context& c);
// Frames and plain windows: background, texture ("item.texture"), caption ("item.text").
void Window(QPainter& p, QWidget& window, const SkinElement* e, Context& c);
void Panel(QPainter& p, QWidget& window, const SkinElement& e, Context& c,
           const PanelPointer& pointer);
void TreeBackground(QPainter& p, QWidget& viewport, const SkinElement* e, Context& c);
void TreeItem(QPainter& p, const QStyleOptionViewItem& option, const QString& text,
              const SkinElement* e, Context& c);

// The topmost visible clickable item of a panel at `pos`; null if none.
const SkinPanelItem* PanelItemAt(const QWidget& window, const SkinElement& e, QPoint pos);

}  // namespace skindraw
