#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <memory>

namespace art {

const QColor kInk(0x5A, 0x33, 0x12);
const QColor kSunny(0xFF, 0x9A, 0x3C);

namespace {

struct Canvas {
    QImage image;
    std::unique_ptr<QPainter> p;
    Canvas(int w, int h) : image(w, h, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        p = std::make_unique<QPainter>(&image);
        p->setRenderHint(QPainter::Antialiasing);
        p->setRenderHint(QPainter::TextAntialiasing);
    }
    QImage Done() {
        p.reset();
        return image;
    }
};

QPen Ink(qreal width) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont Font(int pixels, bool bold = true) {
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPainterPath Star(QPointF c, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i ? path.lineTo(pt) : path.moveTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath Heart(QPointF c, qreal s) {
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.3, c.y() + s * 0.1, c.x() - s * 0.9, c.y() - s * 1.0, c.x(),
                 c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 0.9, c.y() - s * 1.0, c.x() + s * 1.3, c.y() + s * 0.1, c.x(),
                 c.y() + s * 0.9);
    return path;
}

void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal ink = 5) {
    p.setPen(ink > 0 ? Ink(ink) : Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Rounded(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath Ellipse(QPointF c, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

// A white gleam in the top-left of a round shape.
void Gleam(QPainter& p, QPointF c, qreal rx, qreal ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(c, rx, ry);
}

void House(QPainter& p) {
    Shape(p, Rounded(QRectF(82, 22, 16, 30), 3), QColor(0xB8, 0x66, 0x3C));
    p.setPen(Ink(3));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(96, 13), 7, 6);
    p.drawEllipse(QPointF(108, 6), 5, 4);
    Shape(p, Rounded(QRectF(26, 58, 76, 58), 5), QColor(0xFF, 0xDE, 0x7A));
    Shape(p, Rounded(QRectF(53, 80, 24, 36), 5), QColor(0x4D, 0xA3, 0xFF));
    p.setBrush(QColor(0xFF, 0xD2, 0x3F));
    p.setPen(Ink(2));
    p.drawEllipse(QPointF(71, 99), 2.5, 2.5);
    for (const QRectF w : {QRectF(33, 68, 15, 15), QRectF(82, 68, 14, 15)}) {
        Shape(p, Rounded(w, 3), QColor(0xC8, 0xF0, 0xFF), 3.5);
        p.setPen(Ink(2.5));
        p.drawLine(QPointF(w.center().x(), w.top()), QPointF(w.center().x(), w.bottom()));
        p.drawLine(QPointF(w.left(), w.center().y()), QPointF(w.right(), w.center().y()));
    }
    QPainterPath roof;
    roof.moveTo(12, 64);
    roof.lineTo(64, 16);
    roof.lineTo(116, 64);
    roof.closeSubpath();
    Shape(p, roof, QColor(0xEE, 0x44, 0x3C));
    Shape(p, Heart(QPointF(64, 46), 8), QColor(0xFF, 0xF0, 0xF4), 3);
}

void Note(QPainter& p) {
    const QColor purple(0x7B, 0x4D, 0xF2);
    QPainterPath beam;
    beam.moveTo(42, 30);
    beam.lineTo(100, 16);
    beam.lineTo(100, 34);
    beam.lineTo(42, 48);
    beam.closeSubpath();
    p.setPen(Ink(5));
    p.drawLine(QPointF(44, 36), QPointF(44, 96));
    p.drawLine(QPointF(98, 22), QPointF(98, 84));
    Shape(p, beam, purple);
    for (const QPointF c : {QPointF(32, 98), QPointF(86, 86)}) {
        p.save();
        p.translate(c);
        p.rotate(-22);
        Shape(p, Ellipse(QPointF(0, 0), 16, 12), purple);
        Gleam(p, QPointF(-5, -4), 5, 3);
        p.restore();
    }
    Shape(p, Star(QPointF(18, 30), 11, 5), QColor(0xFF, 0xD8, 0x3A), 3);
    Shape(p, Star(QPointF(114, 60), 8, 3.5), QColor(0xFF, 0xD8, 0x3A), 3);
}

void Book(QPainter& p) {
    auto page = [](qreal dir, qreal grow) {
        QPainterPath path;
        path.moveTo(64, 38 - grow);
        path.cubicTo(64 - dir * 20, 26 - grow, 64 - dir * 40, 28 - grow, 64 - dir * (52 + grow),
                     34 - grow);
        path.lineTo(64 - dir * (52 + grow), 102 + grow);
        path.cubicTo(64 - dir * 40, 96 + grow, 64 - dir * 20, 98 + grow, 64, 108 + grow);
        path.closeSubpath();
        return path;
    };
    const QColor cover(0x2E, 0x9B, 0xFF);
    Shape(p, page(1, 6).united(page(-1, 6)), cover);
    for (qreal dir : {1.0, -1.0}) {
        Shape(p, page(dir, 0), QColor(0xFF, 0xFD, 0xF4));
        p.setPen(QPen(QColor(0x9C, 0xC8, 0xF0), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = 50 + i * 13;
            p.drawLine(QPointF(64 - dir * 12, y), QPointF(64 - dir * 42, y - 4));
        }
    }
    p.setPen(Ink(4));
    p.drawLine(QPointF(64, 38), QPointF(64, 108));
    Shape(p, Star(QPointF(98, 18), 10, 4.5), QColor(0xFF, 0xD8, 0x3A), 3);
}

void Bulb(QPainter& p) {
    p.setPen(QPen(QColor(0xFF, 0xB3, 0x00), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const qreal a = M_PI + i * M_PI / 6;
        p.drawLine(QPointF(64 + 48 * std::cos(a), 52 + 48 * std::sin(a)),
                   QPointF(64 + 60 * std::cos(a), 52 + 60 * std::sin(a)));
    }
    QPainterPath glass;
    glass.addEllipse(QPointF(64, 52), 34, 34);
    QPainterPath neck;
    neck.moveTo(44, 74);
    neck.lineTo(84, 74);
    neck.lineTo(78, 94);
    neck.lineTo(50, 94);
    neck.closeSubpath();
    QRadialGradient glow(QPointF(58, 44), 40);
    glow.setColorAt(0, QColor(0xFF, 0xFB, 0xC8));
    glow.setColorAt(1, QColor(0xFF, 0xDA, 0x2E));
    Shape(p, glass.united(neck), glow);
    Gleam(p, QPointF(50, 38), 8, 11);
    p.setPen(QPen(QColor(0xF0, 0x8C, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 86), QPointF(60, 62));
    p.drawLine(QPointF(72, 86), QPointF(68, 62));
    Shape(p, Rounded(QRectF(48, 94, 32, 20), 5), QColor(0xA9, 0xB4, 0xC6));
    p.setPen(Ink(3));
    p.drawLine(QPointF(50, 104), QPointF(78, 104));
    Shape(p, Rounded(QRectF(56, 112, 16, 8), 4), kInk, 0);
}

void Ball(QPainter& p) {
    const QPointF c(64, 66);
    const QRectF box(c.x() - 50, c.y() - 50, 100, 100);
    const QColor colours[] = {QColor(0xFF, 0x52, 0x52), QColor(0xFF, 0xFF, 0xFF),
                              QColor(0xFF, 0xD2, 0x3F), QColor(0xFF, 0xFF, 0xFF),
                              QColor(0x3F, 0xA7, 0xFF), QColor(0xFF, 0xFF, 0xFF)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(colours[i]);
        p.drawPie(box, (90 + i * 60) * 16, 60 * 16);
    }
    p.setBrush(QColor(0x4C, 0xC3, 0x6B));
    p.drawEllipse(c, 11, 11);
    p.setPen(Ink(5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 50, 50);
    Gleam(p, QPointF(44, 40), 10, 6);
}

void Tv(QPainter& p) {
    p.setPen(Ink(5));
    p.drawLine(QPointF(64, 38), QPointF(40, 10));
    p.drawLine(QPointF(64, 38), QPointF(90, 12));
    p.setBrush(QColor(0xFF, 0x52, 0x52));
    p.setPen(Ink(3));
    p.drawEllipse(QPointF(40, 10), 6, 6);
    p.setBrush(QColor(0xFF, 0xD2, 0x3F));
    p.drawEllipse(QPointF(90, 12), 6, 6);
    Shape(p, Rounded(QRectF(12, 36, 104, 76), 14), QColor(0xFF, 0x8E, 0x3C));
    QLinearGradient sky(0, 48, 0, 100);
    sky.setColorAt(0, QColor(0x8E, 0xE4, 0xFF));
    sky.setColorAt(1, QColor(0xD8, 0xF7, 0xFF));
    Shape(p, Rounded(QRectF(22, 46, 68, 56), 9), sky, 4);
    Shape(p, Ellipse(QPointF(56, 74), 15, 15), QColor(0xFF, 0xDA, 0x2E), 3);
    p.setPen(Ink(2.5));
    p.drawPoint(QPointF(51, 71));
    p.drawPoint(QPointF(61, 71));
    p.drawArc(QRectF(49, 70, 14, 10), 200 * 16, 140 * 16);
    p.setBrush(QColor(0xFF, 0xF3, 0xD6));
    p.setPen(Ink(3));
    p.drawEllipse(QPointF(103, 60), 6, 6);
    p.drawEllipse(QPointF(103, 82), 6, 6);
    p.setPen(Ink(6));
    p.drawLine(QPointF(30, 114), QPointF(24, 122));
    p.drawLine(QPointF(98, 114), QPointF(104, 122));
}

void Balloons(QPainter& p) {
    struct B {
        QPointF c;
        QColor colour;
    };
    const B balloons[] = {{QPointF(38, 46), QColor(0xFF, 0x52, 0x6E)},
                          {QPointF(90, 42), QColor(0xFF, 0xD2, 0x3F)},
                          {QPointF(64, 62), QColor(0x3F, 0xA7, 0xFF)}};
    for (const B& b : balloons) {
        QPainterPath string;
        string.moveTo(b.c + QPointF(0, 30));
        string.cubicTo(b.c + QPointF(-8, 50), QPointF(70, 100), QPointF(64, 122));
        p.setPen(Ink(2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
    }
    for (const B& b : balloons) {
        QPainterPath knot;
        knot.moveTo(b.c + QPointF(0, 27));
        knot.lineTo(b.c + QPointF(-5, 34));
        knot.lineTo(b.c + QPointF(5, 34));
        knot.closeSubpath();
        Shape(p, knot, b.colour, 3);
        Shape(p, Ellipse(b.c, 22, 28), b.colour);
        Gleam(p, b.c + QPointF(-8, -10), 5, 8);
    }
    Shape(p, Star(QPointF(112, 92), 10, 4.5), QColor(0xFF, 0xD8, 0x3A), 3);
    Shape(p, Star(QPointF(14, 88), 8, 3.5), QColor(0xFF, 0xD8, 0x3A), 3);
}

// Player glyphs: white shapes with the ink outline.
void PlayerGlyph(QPainter& p, const QString& which) {
    const QColor white(0xFF, 0xFF, 0xFF);
    if (which == "heart") {
        Shape(p, Heart(QPointF(60, 64), 40), QColor(0xFF, 0x4F, 0x86), 6);
        Gleam(p, QPointF(42, 50), 8, 6);
        Shape(p, Rounded(QRectF(86, 78, 30, 30), 15), white, 5);
        p.setPen(QPen(QColor(0xFF, 0x4F, 0x86), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(101, 85), QPointF(101, 101));
        p.drawLine(QPointF(93, 93), QPointF(109, 93));
    } else if (which == "play") {
        QPainterPath tri;
        tri.moveTo(40, 24);
        tri.lineTo(104, 64);
        tri.lineTo(40, 104);
        tri.closeSubpath();
        Shape(p, tri, white, 7);
    } else if (which == "pause") {
        Shape(p, Rounded(QRectF(32, 26, 24, 76), 8), white, 7);
        Shape(p, Rounded(QRectF(72, 26, 24, 76), 8), white, 7);
    } else if (which == "stop") {
        Shape(p, Rounded(QRectF(30, 30, 68, 68), 12), white, 7);
    } else if (which == "full") {
        QPainterPath arrows;
        for (int i = 0; i < 4; ++i) {
            QTransform t;
            t.translate(64, 64);
            t.rotate(90 * i);
            QPainterPath a;
            a.moveTo(-46, -46);
            a.lineTo(-14, -46);
            a.lineTo(-26, -34);
            a.lineTo(-12, -20);
            a.lineTo(-20, -12);
            a.lineTo(-34, -26);
            a.lineTo(-46, -14);
            a.closeSubpath();
            arrows.addPath(t.map(a));
        }
        Shape(p, arrows, white, 6);
    }
}

}  // namespace

const char* LookName(Look look) {
    switch (look) {
        case Look::Normal: return "normal";
        case Look::Hover: return "hover";
        case Look::Pressed: return "pressed";
        case Look::Checked: return "checked";
    }
    return "normal";
}

QImage Tile(const QColor& base, Look look) {
    Canvas c(64, 64);
    QPainter& p = *c.p;
    const bool pressed = look == Look::Pressed;
    QColor body = base;
    if (look == Look::Hover)
        body = base.lighter(112);
    else if (pressed)
        body = base.darker(112);
    else if (look == Look::Checked)
        body = base.lighter(106);
    const QRectF face(3, pressed ? 5 : 2, 58, 55);
    if (!pressed)
        Shape(p, Rounded(face.translated(0, 4), 14), base.darker(150), 0);
    if (look == Look::Hover) {
        p.setPen(QPen(QColor(0xFF, 0xE8, 0x6A), 5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(face.adjusted(-1, -1, 1, 1), 15, 15);
    }
    QLinearGradient g(0, face.top(), 0, face.bottom());
    g.setColorAt(0, body.lighter(135));
    g.setColorAt(0.55, body);
    g.setColorAt(1, body.darker(108));
    const QColor border = look == Look::Checked ? QColor(Qt::white) : body.darker(150);
    p.setPen(QPen(border, look == Look::Checked ? 4 : 2));
    p.setBrush(g);
    p.drawRoundedRect(face.adjusted(1, 1, -1, -1), 13, 13);
    // Glossy top band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, pressed ? 40 : 80));
    p.drawRoundedRect(QRectF(face.left() + 6, face.top() + 4, face.width() - 12, 12), 6, 6);
    if (look == Look::Checked) {
        Shape(p, Star(QPointF(10, 10), 7, 3), QColor(0xFF, 0xEE, 0x58), 1.5);
        Shape(p, Star(QPointF(54, 10), 5, 2.2), QColor(0xFF, 0xEE, 0x58), 1.5);
    }
    return c.Done();
}

QImage Picture(const QString& which) {
    Canvas c(128, 128);
    QPainter& p = *c.p;
    if (which == "house")
        House(p);
    else if (which == "note")
        Note(p);
    else if (which == "book")
        Book(p);
    else if (which == "bulb")
        Bulb(p);
    else if (which == "ball")
        Ball(p);
    else if (which == "tv")
        Tv(p);
    else if (which == "balloons")
        Balloons(p);
    else
        PlayerGlyph(p, which);
    return c.Done();
}

QImage SystemBack(Look look, bool danger) {
    Canvas c(32, 24);
    QPainter& p = *c.p;
    QColor fill(255, 255, 255, 55);
    if (look == Look::Hover)
        fill = danger ? QColor(0xFF, 0x4D, 0x4D) : QColor(255, 255, 255, 120);
    else if (look == Look::Pressed)
        fill = danger ? QColor(0xD8, 0x2E, 0x2E) : QColor(0x9A, 0x40, 0x00, 90);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, 30, 22), 7, 7);
    return c.Done();
}

QImage Glyph(const QString& which) {
    Canvas c(32, 32);
    QPainter& p = *c.p;
    if (which == "palette") {
        QPainterPath board;
        board.addEllipse(QPointF(16, 16), 14, 12);
        QPainterPath hole;
        hole.addEllipse(QPointF(21, 21), 3.5, 3.5);
        Shape(p, board.subtracted(hole), QColor(0xFF, 0xE9, 0xB8), 2.5);
        const QColor dots[] = {QColor(0xFF, 0x52, 0x52), QColor(0xFF, 0xD2, 0x3F),
                               QColor(0x4C, 0xC3, 0x6B), QColor(0x3F, 0xA7, 0xFF)};
        const QPointF at[] = {QPointF(9, 13), QPointF(15, 8), QPointF(22, 10), QPointF(10, 20)};
        for (int i = 0; i < 4; ++i) Shape(p, Ellipse(at[i], 3, 3), dots[i], 0);
        return c.Done();
    }
    QPainterPath path;
    if (which == "close") {
        path.moveTo(9, 9);
        path.lineTo(23, 23);
        path.moveTo(23, 9);
        path.lineTo(9, 23);
    } else if (which == "max") {
        path.addRoundedRect(QRectF(8, 8, 16, 15), 3, 3);
        path.moveTo(8, 11);
        path.lineTo(24, 11);
    } else if (which == "restore") {
        path.addRoundedRect(QRectF(11, 7, 13, 12), 2.5, 2.5);
        path.addRoundedRect(QRectF(7, 12, 13, 12), 2.5, 2.5);
    } else if (which == "min") {
        path.moveTo(9, 22);
        path.lineTo(23, 22);
    } else if (which == "menu") {
        for (int y : {10, 16, 22}) {
            path.moveTo(9, y);
            path.lineTo(23, y);
        }
    } else if (which == "feed") {
        path.addRoundedRect(QRectF(6, 8, 20, 14), 5, 5);
        path.moveTo(11, 22);
        path.lineTo(10, 27);
        path.lineTo(16, 22);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9A, 0x40, 0x00, 110), 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(0.8, 1));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    if (which == "feed") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xFF, 0x6F, 0x3C));
        p.drawPath(Heart(QPointF(16, 15.5), 4.2));
    }
    return c.Done();
}

QImage Pill(const QColor& fill, const QColor& border, Look look) {
    Canvas c(32, 24);
    QPainter& p = *c.p;
    QColor f = fill;
    if (look == Look::Hover)
        f = QColor(0xFF, 0xF6, 0xC8);
    else if (look == Look::Pressed)
        f = fill.darker(112);
    p.setPen(QPen(look == Look::Hover ? border.darker(115) : border, 2));
    p.setBrush(f);
    p.drawRoundedRect(QRectF(1, 1, 30, 22), 8, 8);
    return c.Done();
}

QImage TabBack(Look look) {
    Canvas c(64, 30);
    QPainter& p = *c.p;
    QPainterPath shape;
    shape.moveTo(1, 30);
    shape.lineTo(1, 11);
    shape.quadTo(1, 2, 10, 2);
    shape.lineTo(54, 2);
    shape.quadTo(63, 2, 63, 11);
    shape.lineTo(63, 30);
    QLinearGradient g(0, 2, 0, 30);
    switch (look) {
        case Look::Normal:
            g.setColorAt(0, QColor(0xFF, 0xE4, 0xBE));
            g.setColorAt(1, QColor(0xFF, 0xCB, 0x8C));
            break;
        case Look::Hover:
            g.setColorAt(0, QColor(0xFF, 0xF2, 0xD8));
            g.setColorAt(1, QColor(0xFF, 0xDD, 0xA8));
            break;
        case Look::Pressed:
            g.setColorAt(0, QColor(0xFF, 0xC0, 0x7A));
            g.setColorAt(1, QColor(0xFF, 0xB0, 0x60));
            break;
        case Look::Checked:
            g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
            g.setColorAt(1, QColor(0xFF, 0xFD, 0xF6));
            break;
    }
    p.setPen(QPen(look == Look::Checked ? QColor(0xFF, 0xB3, 0x5A) : QColor(0xF0, 0xA2, 0x50), 2));
    p.setBrush(g);
    p.drawPath(shape);
    if (look == Look::Checked) {
        p.setPen(QPen(QColor(0xFF, 0x8A, 0x1E), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 3), QPointF(54, 3));
    }
    return c.Done();
}

QImage FrameBack() {
    Canvas c(64, 160);
    QPainter& p = *c.p;
    QLinearGradient g(0, 0, 0, 160);
    g.setColorAt(0, QColor(0xB8, 0xE6, 0xFF));
    g.setColorAt(0.62, QColor(0xE6, 0xF7, 0xFF));
    g.setColorAt(0.70, QColor(0xFF, 0xF8, 0xE8));
    g.setColorAt(0.86, QColor(0xFF, 0xF8, 0xE8));
    g.setColorAt(1, QColor(0xD6, 0xF2, 0xBC));
    p.setPen(QPen(QColor(0xF0, 0x8A, 0x24), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 62, 158), 9, 9);
    return c.Done();
}

QImage FrameStrip() {
    Canvas c(64, 30);
    QPainter& p = *c.p;
    QPainterPath shape;
    shape.moveTo(1, 30);
    shape.lineTo(1, 10);
    shape.quadTo(1, 1, 10, 1);
    shape.lineTo(54, 1);
    shape.quadTo(63, 1, 63, 10);
    shape.lineTo(63, 30);
    shape.closeSubpath();
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, QColor(0xFF, 0xC4, 0x4A));
    g.setColorAt(1, QColor(0xFF, 0x8C, 0x22));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(QPointF(8, 3), QPointF(56, 3));
    p.setPen(QPen(QColor(0xD9, 0x62, 0x0A), 2));
    p.drawLine(QPointF(0, 29), QPointF(64, 29));
    return c.Done();
}

QImage Garland() {
    Canvas c(72, 16);
    QPainter& p = *c.p;
    const QColor flags[] = {QColor(0xFF, 0x52, 0x6E), QColor(0xFF, 0xD2, 0x3F),
                            QColor(0x4C, 0xC3, 0x6B)};
    QPainterPath line;
    line.moveTo(0, 1);
    line.quadTo(36, 5, 72, 1);
    p.setPen(QPen(QColor(0xD9, 0x62, 0x0A), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 6 + i * 24;
        const qreal y = 1 + 4 * (1 - std::pow((x + 6 - 36) / 36, 2));
        QPainterPath flag;
        flag.moveTo(x, y);
        flag.lineTo(x + 12, y);
        flag.lineTo(x + 6, y + 11);
        flag.closeSubpath();
        p.setPen(QPen(flags[i].darker(140), 1));
        p.setBrush(flags[i]);
        p.drawPath(flag);
    }
    return c.Done();
}

QImage Sun() {
    Canvas c(40, 40);
    QPainter& p = *c.p;
    p.setPen(QPen(QColor(0xFF, 0xE0, 0x4A), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(QPointF(20 + 13 * std::cos(a), 20 + 13 * std::sin(a)),
                   QPointF(20 + 18 * std::cos(a), 20 + 18 * std::sin(a)));
    }
    p.setPen(QPen(QColor(0xC7, 0x5A, 0x00), 2));
    p.setBrush(QColor(0xFF, 0xE8, 0x5C));
    p.drawEllipse(QPointF(20, 20), 10.5, 10.5);
    p.setPen(QPen(QColor(0xC7, 0x5A, 0x00), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(16.5, 18));
    p.drawPoint(QPointF(23.5, 18));
    p.drawArc(QRectF(15, 17, 10, 8), 200 * 16, 140 * 16);
    return c.Done();
}

QImage RoundedBox(const QColor& fill, const QColor& border, int size, int radius) {
    Canvas c(size, size);
    c.p->setPen(QPen(border, 2));
    c.p->setBrush(fill);
    c.p->drawRoundedRect(QRectF(1, 1, size - 2, size - 2), radius, radius);
    return c.Done();
}

QImage DialogBack() {
    Canvas c(48, 96);
    QLinearGradient g(0, 0, 0, 96);
    g.setColorAt(0, QColor(0xFF, 0xE6, 0xC4));
    g.setColorAt(0.4, QColor(0xFF, 0xF8, 0xEA));
    g.setColorAt(1, QColor(0xFF, 0xF8, 0xEA));
    c.p->fillRect(QRect(0, 0, 48, 96), g);
    return c.Done();
}

QImage RowBack(const QColor& top, const QColor& bottom) {
    Canvas c(48, 26);
    QLinearGradient g(0, 1, 0, 25);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    c.p->setPen(QPen(bottom.darker(110), 1));
    c.p->setBrush(g);
    c.p->drawRoundedRect(QRectF(1, 1, 46, 24), 10, 10);
    return c.Done();
}

QImage SliderGroove(Groove kind) {
    Canvas c(48, 10);
    QPainter& p = *c.p;
    QLinearGradient g(5, 0, 43, 0);
    switch (kind) {
        case Groove::Hue:
            for (int i = 0; i <= 6; ++i)
                g.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 200, 255));
            break;
        case Groove::Saturation:
            g.setColorAt(0, QColor(0xC8, 0xC8, 0xC8));
            g.setColorAt(1, kSunny);
            break;
        case Groove::Brightness:
            g.setColorAt(0, QColor(0x4A, 0x2A, 0x10));
            g.setColorAt(0.5, kSunny);
            g.setColorAt(1, QColor(0xFF, 0xFF, 0xF4));
            break;
        case Groove::Transparency:
            g.setColorAt(0, QColor(0xFF, 0x9A, 0x3C, 255));
            g.setColorAt(1, QColor(0xFF, 0x9A, 0x3C, 40));
            break;
    }
    p.setPen(QPen(QColor(0xE0, 0x8A, 0x30), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 47, 9), 4.5, 4.5);
    return c.Done();
}

QImage SliderThumb(Look look) {
    Canvas c(32, 32);
    QPainter& p = *c.p;
    const QColor ring = look == Look::Pressed ? QColor(0xE0, 0x6A, 0x00)
                        : look == Look::Hover ? QColor(0xFF, 0xB0, 0x3A)
                                              : QColor(0xFF, 0x8A, 0x1E);
    p.setPen(QPen(ring, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 12.5, 12.5);
    Gleam(p, QPointF(12, 11), 4, 3);
    return c.Done();
}

QImage Texture(int n) {
    Canvas c(64, 64);
    QPainter& p = *c.p;
    auto fill = [&](const QColor& colour) { p.fillRect(QRect(0, 0, 64, 64), colour); };
    // Draws a shape at every wrapped position so the tile joins seamlessly.
    auto wrapped = [&](const std::function<void(QPointF)>& draw, QPointF at) {
        for (int dx : {-64, 0, 64})
            for (int dy : {-64, 0, 64}) draw(at + QPointF(dx, dy));
    };
    p.setPen(Qt::NoPen);
    switch (n) {
        case 1:  // dots
            fill(QColor(0xFF, 0xF4, 0xE0));
            for (const auto& [at, colour] :
                 {std::pair{QPointF(16, 16), QColor(0xFF, 0xB3, 0x9A)},
                  std::pair{QPointF(48, 48), QColor(0xFF, 0xD5, 0x7A)},
                  std::pair{QPointF(48, 16), QColor(0xFF, 0xE6, 0xC8)},
                  std::pair{QPointF(16, 48), QColor(0xFF, 0xE6, 0xC8)}}) {
                p.setBrush(colour);
                p.drawEllipse(at, 7, 7);
            }
            break;
        case 2:  // stripes
            fill(QColor(0xFF, 0xF0, 0xF6));
            p.setBrush(QColor(0xFF, 0xD3, 0xE6));
            for (int k = -4; k < 8; ++k) {
                QPainterPath band;
                band.moveTo(k * 16, 0);
                band.lineTo(k * 16 + 8, 0);
                band.lineTo(k * 16 + 8 + 64, 64);
                band.lineTo(k * 16 + 64, 64);
                band.closeSubpath();
                p.drawPath(band);
            }
            break;
        case 3:  // clouds
            fill(QColor(0xD4, 0xEF, 0xFF));
            p.setBrush(Qt::white);
            for (const QPointF at : {QPointF(18, 20), QPointF(46, 48)})
                wrapped(
                    [&](QPointF c0) {
                        p.drawEllipse(c0, 9, 6);
                        p.drawEllipse(c0 + QPointF(8, -3), 7, 6);
                        p.drawEllipse(c0 + QPointF(14, 1), 6, 5);
                    },
                    at);
            break;
        case 4:  // stars
            fill(QColor(0xEC, 0xE4, 0xFF));
            for (const auto& [at, r] :
                 {std::pair{QPointF(14, 16), 7.0}, std::pair{QPointF(46, 42), 8.0},
                  std::pair{QPointF(50, 10), 4.0}, std::pair{QPointF(18, 52), 4.5}}) {
                p.setBrush(QColor(0xFF, 0xE0, 0x66));
                p.drawPath(Star(at, r, r * 0.45));
            }
            break;
        case 5: {  // waves
            fill(QColor(0xD8, 0xF8, 0xF4));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0x9F, 0xE3, 0xDA), 4, Qt::SolidLine, Qt::RoundCap));
            for (int row : {12, 44}) {
                QPainterPath wave;
                for (int x = 0; x <= 64; ++x) {
                    const QPointF pt(x, row + 5 * std::sin(x * 2 * M_PI / 32));
                    x ? wave.lineTo(pt) : wave.moveTo(pt);
                }
                p.drawPath(wave);
            }
            break;
        }
        case 6:  // checks
            fill(QColor(0xFF, 0xFB, 0xEC));
            p.setBrush(QColor(0xB8, 0xE8, 0xA8, 110));
            p.drawRect(QRect(0, 0, 32, 64));
            p.drawRect(QRect(0, 0, 64, 32));
            break;
        case 7:  // hearts
            fill(QColor(0xFF, 0xEE, 0xF2));
            for (const auto& [at, s] :
                 {std::pair{QPointF(16, 18), 7.0}, std::pair{QPointF(48, 48), 7.0},
                  std::pair{QPointF(48, 16), 4.0}, std::pair{QPointF(16, 48), 4.0}}) {
                p.setBrush(QColor(0xFF, 0xB6, 0xC8));
                p.drawPath(Heart(at, s));
            }
            break;
        case 8:  // grass with little flowers
            fill(QColor(0xE4, 0xF8, 0xD2));
            p.setPen(QPen(QColor(0xA6, 0xDB, 0x84), 2.5, Qt::SolidLine, Qt::RoundCap));
            for (const QPointF at :
                 {QPointF(10, 28), QPointF(42, 60), QPointF(40, 24), QPointF(12, 58)}) {
                p.drawLine(at, at + QPointF(-3, -9));
                p.drawLine(at, at + QPointF(0, -11));
                p.drawLine(at, at + QPointF(3, -9));
            }
            p.setPen(Qt::NoPen);
            for (const auto& [at, colour] :
                 {std::pair{QPointF(26, 12), QColor(0xFF, 0xF0, 0x7A)},
                  std::pair{QPointF(56, 40), QColor(0xFF, 0xC2, 0xD6)}}) {
                p.setBrush(colour);
                for (int i = 0; i < 5; ++i) {
                    const qreal a = i * 2 * M_PI / 5;
                    p.drawEllipse(at + QPointF(4 * std::cos(a), 4 * std::sin(a)), 3, 3);
                }
                p.setBrush(QColor(0xFF, 0xA8, 0x2E));
                p.drawEllipse(at, 2.2, 2.2);
            }
            break;
        default: fill(Qt::white);
    }
    return c.Done();
}

QImage ChooserTab(const QString& caption, bool checked) {
    Canvas c(42, 24);
    QPainter& p = *c.p;
    QLinearGradient g(0, 0, 0, 24);
    g.setColorAt(0, checked ? QColor(0xFF, 0xB8, 0x4A) : QColor(0xFF, 0xF1, 0xDE));
    g.setColorAt(1, checked ? QColor(0xFF, 0x8A, 0x1E) : QColor(0xFF, 0xE2, 0xC0));
    p.setPen(QPen(checked ? QColor(0xE0, 0x6A, 0x00) : QColor(0xF5, 0xC2, 0x8A), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 40, 22), 8, 8);
    p.setFont(Font(13));
    p.setPen(checked ? QColor(Qt::white) : kInk);
    p.drawText(QRect(0, 0, 42, 24), Qt::AlignCenter, caption);
    return c.Done();
}

QImage ColourSwatch(const QColor& colour) {
    Canvas c(28, 24);
    QPainter& p = *c.p;
    QLinearGradient g(0, 2, 0, 22);
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(150), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 24, 20), 6, 6);
    Gleam(p, QPointF(9, 7), 4, 2);
    return c.Done();
}

QImage TextureSwatch(const QImage& tile) {
    Canvas c(40, 34);
    QPainter& p = *c.p;
    QPainterPath box = Rounded(QRectF(2, 2, 36, 30), 7);
    p.save();
    p.setClipPath(box);
    p.drawTiledPixmap(
        QRect(0, 0, 40, 34),
        QPixmap::fromImage(tile.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    p.restore();
    p.setPen(QPen(QColor(0xF0, 0xA2, 0x50), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(box);
    return c.Done();
}

QImage NoneSwatch() {
    Canvas c(40, 34);
    QPainter& p = *c.p;
    p.setPen(QPen(QColor(0xF0, 0xA2, 0x50), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 36, 30), 7, 7);
    p.setPen(QPen(QColor(0xFF, 0x6B, 0x6B), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 27), QPointF(31, 7));
    p.setFont(Font(13));
    p.setPen(kInk);
    p.drawText(QRect(0, 0, 40, 34), Qt::AlignCenter, QStringLiteral("无"));
    return c.Done();
}

QImage ThemeSwatch(const QColor& colour, const QString& caption) {
    Canvas c(62, 50);
    QPainter& p = *c.p;
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(QColor(0xFF, 0xFB, 0xF0));
    p.drawRoundedRect(QRectF(2, 2, 58, 46), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(3, 3, 56, 11), 6, 6);
    p.drawRect(QRectF(3, 9, 56, 5));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(colour.lighter(130 + i * 10));
        p.drawRoundedRect(QRectF(7 + i * 17, 17, 14, 10), 3, 3);
    }
    p.setFont(Font(11));
    p.setPen(kInk);
    p.drawText(QRect(0, 28, 62, 20), Qt::AlignCenter, caption);
    return c.Done();
}

}  // namespace art
