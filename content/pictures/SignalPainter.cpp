#include "SignalPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

#include "DrawOnGrid.h"
#include "Figures.h"
#include "SignKit.h"

namespace {

using Signal = SignalPainter::Signal;

// Laid out on a 300 × 170 grid.
const QColor kHousing(34, 34, 36);
const QColor kRed(235, 40, 30);
const QColor kYellow(255, 190, 0);
const QColor kGreen(20, 200, 110);

enum class Lamp { Round, Left, Right };

QColor Dimmed(const QColor& colour) {
    return QColor(colour.red() / 4 + 20, colour.green() / 4 + 20, colour.blue() / 4 + 20);
}

void Glow(QPainter& p, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient glow(centre, radius * 1.9);
    QColor inner = colour;
    inner.setAlpha(130);
    QColor outer = colour;
    outer.setAlpha(0);
    glow.setColorAt(0.45, inner);
    glow.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.9, radius * 1.9);
}

// One lamp: a round disc, or an arrow on a black face. Lit lamps get their full colour and a halo.
void DrawLamp(QPainter& p, QPointF centre, double radius, Lamp shape, const QColor& colour, bool lit) {
    const QColor shown = lit ? colour : Dimmed(colour);
    if (lit)
        Glow(p, centre, radius, colour);
    p.setPen(Qt::NoPen);
    if (shape == Lamp::Round) {
        p.setBrush(shown);
        p.drawEllipse(centre, radius, radius);
        return;
    }
    p.setBrush(QColor(16, 16, 16));
    p.drawEllipse(centre, radius, radius);
    const double way = shape == Lamp::Left ? -1 : 1;
    QPainterPath shaft(centre + QPointF(-way * radius * 0.65, 0));
    shaft.lineTo(centre + QPointF(way * radius * 0.1, 0));
    Figures::Arrow(p, shaft, radius * 0.42, radius * 0.6, radius * 1.1, shown);
}

// The dark casing that holds a signal's lamps, its corners rounded by `corner`.
void Housing(QPainter& p, const QRectF& box, double corner) {
    p.setPen(Qt::NoPen);
    p.setBrush(kHousing);
    p.drawRoundedRect(box, corner, corner);
}

// A vertical three-lamp head: red, yellow, green from the top.
void Head(QPainter& p, QPointF top, Lamp shape, int litIndex) {
    const double r = 15;
    Housing(p, QRectF(top.x() - 22, top.y(), 44, 124), 6);
    const QColor colours[] = {kRed, kYellow, kGreen};
    for (int i = 0; i < 3; ++i)
        DrawLamp(p, top + QPointF(0, 22 + 40 * i), r, shape, colours[i], i == litIndex);
}

void Sky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(120, 176, 226));
    sky.setColorAt(1, QColor(210, 228, 244));
    p.fillRect(QRectF(0, 0, 300, 170), sky);
}

void Gantry(QPainter& p) {
    p.fillRect(QRectF(0, 10, 300, 8), QColor(120, 120, 124));
}

void TwoHeads(QPainter& p, Lamp arrow, int arrowLit, int roundLit) {
    Sky(p);
    Gantry(p);
    Head(p, QPointF(110, 22), arrow == Lamp::Right ? Lamp::Round : arrow, arrow == Lamp::Right ? roundLit : arrowLit);
    Head(p, QPointF(190, 22), arrow == Lamp::Right ? Lamp::Right : Lamp::Round,
         arrow == Lamp::Right ? arrowLit : roundLit);
}

void FlashingYellow(QPainter& p) {
    Sky(p);
    p.fillRect(QRectF(146, 96, 8, 74), QColor(110, 110, 114));
    Housing(p, QRectF(122, 34, 56, 62), 8);
    DrawLamp(p, QPointF(150, 65), 21, Lamp::Round, kYellow, true);
    // Short rays on both sides say that the lamp flashes.
    p.setPen(QPen(kYellow, 4, Qt::SolidLine, Qt::RoundCap));
    for (double side : {-1.0, 1.0}) {
        for (double dy : {-22.0, 0.0, 22.0}) {
            const QPointF from(150 + side * 44, 65 + dy * 0.9);
            p.drawLine(from, from + QPointF(side * 18, dy * 0.5));
        }
    }
}

void LaneControl(QPainter& p) {
    Sky(p);
    // The carriageway runs away under the gantry.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 98, 104));
    p.drawPolygon(QPolygonF{QPointF(0, 170), QPointF(300, 170), QPointF(190, 96), QPointF(110, 96)});
    p.setPen(QPen(QColor(240, 240, 240), 2, Qt::DashLine));
    p.drawLine(QPointF(100, 170), QPointF(136, 96));
    p.drawLine(QPointF(200, 170), QPointF(164, 96));
    p.fillRect(QRectF(0, 14, 300, 8), QColor(120, 120, 124));
    const double xs[] = {50, 150, 250};
    for (int i = 0; i < 3; ++i) {
        const QRectF box(xs[i] - 26, 22, 52, 52);
        Housing(p, box, 5);
        const QPointF c = box.center();
        if (i == 0) {
            Glow(p, c, 18, kRed);
            p.setPen(QPen(kRed, 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(-14, -14), c + QPointF(14, 14));
            p.drawLine(c + QPointF(14, -14), c + QPointF(-14, 14));
        } else {
            Glow(p, c, 18, kGreen);
            QPainterPath shaft(c + QPointF(0, -17));
            shaft.lineTo(c + QPointF(0, 4));
            Figures::Arrow(p, shaft, 6, 12, 20, kGreen);
        }
    }
}

void RailwayCrossing(QPainter& p) {
    Sky(p);
    p.fillRect(QRectF(0, 140, 300, 30), QColor(120, 168, 88));
    p.fillRect(QRectF(146, 30, 8, 140), QColor(200, 200, 200));
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(146, 40 + i * 16, 8, 8), QColor(30, 30, 30));  // the striped post
    // The X-shaped crossing board on top.
    for (double slope : {1.0, -1.0}) {
        const QPointF half(40, slope * 16);
        const QPointF centre(150, 24);
        p.setPen(QPen(kRed, 10, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre - half, centre + half);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre - half * 0.97, centre + half * 0.97);
    }
    Housing(p, QRectF(92, 64, 116, 44), 20);
    DrawLamp(p, QPointF(114, 86), 15, Lamp::Round, kRed, true);
    DrawLamp(p, QPointF(186, 86), 15, Lamp::Round, kRed, false);
}

// A figure standing still, arms at its sides, its feet at `feet`.
void Standing(QPainter& p, QPointF feet, double height, const QColor& colour) {
    const double h = height;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(feet + QPointF(0, -0.88 * h), 0.1 * h, 0.1 * h);
    p.drawRoundedRect(QRectF(feet.x() - 0.16 * h, feet.y() - 0.74 * h, 0.32 * h, 0.4 * h), 0.06 * h, 0.06 * h);
    p.drawRect(QRectF(feet.x() - 0.13 * h, feet.y() - 0.36 * h, 0.1 * h, 0.36 * h));
    p.drawRect(QRectF(feet.x() + 0.03 * h, feet.y() - 0.36 * h, 0.1 * h, 0.36 * h));
}

// The two-lamp head at a crossing: the red lamp shows a figure standing, the green one a figure walking.
void PedestrianLights(QPainter& p) {
    Sky(p);
    p.fillRect(QRectF(146, 140, 8, 30), QColor(110, 110, 114));
    Housing(p, QRectF(118, 16, 64, 126), 6);
    const QPointF red(150, 48);
    const QPointF green(150, 110);
    Glow(p, red, 22, kRed);
    p.setBrush(QColor(16, 16, 16));
    p.drawEllipse(red, 24, 24);
    p.drawEllipse(green, 24, 24);
    Standing(p, red + QPointF(0, 19), 38, kRed);
    Figures::Walker(p, green + QPointF(0, 19), 38, Dimmed(kGreen));
}

// A three-lamp head whose lamps show a bicycle, for the traffic of a cycle lane.
void CycleLights(QPainter& p) {
    Sky(p);
    Gantry(p);
    Housing(p, QRectF(128, 22, 44, 124), 6);
    const QColor colours[] = {kRed, kYellow, kGreen};
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(150, 44 + 40 * i);
        const bool lit = i == 2;
        if (lit)
            Glow(p, centre, 15, colours[i]);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(16, 16, 16));
        p.drawEllipse(centre, 15, 15);
        SignKit::Bicycle(p, QRectF(centre.x() - 12, centre.y() - 8, 24, 15), lit ? colours[i] : Dimmed(colours[i]));
    }
}

void Draw(QPainter& p, Signal signal) {
    switch (signal) {
        case Signal::GreenRound:
            Sky(p);
            Gantry(p);
            Head(p, QPointF(150, 22), Lamp::Round, 2);
            break;
        case Signal::YellowRound:
            Sky(p);
            Gantry(p);
            Head(p, QPointF(150, 22), Lamp::Round, 1);
            break;
        case Signal::FlashingYellow:
            FlashingYellow(p);
            break;
        case Signal::RedLeftArrow:
            TwoHeads(p, Lamp::Left, 0, 2);
            break;
        case Signal::GreenLeftArrow:
            TwoHeads(p, Lamp::Left, 2, 0);
            break;
        case Signal::RedRightArrow:
            TwoHeads(p, Lamp::Right, 0, 2);
            break;
        case Signal::LaneControl:
            LaneControl(p);
            break;
        case Signal::RailwayCrossing:
            RailwayCrossing(p);
            break;
        case Signal::Pedestrian:
            PedestrianLights(p);
            break;
        case Signal::Cycle:
            CycleLights(p);
            break;
    }
}

}  // namespace

QImage SignalPainter::paint(Signal signal, int width, int height) {
    return DrawOnGrid(QSize(width, height), QSizeF(300, 170), Qt::white, {},
                      [signal](QPainter& p) { Draw(p, signal); });
}
