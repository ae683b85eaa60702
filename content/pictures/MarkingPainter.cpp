#include "MarkingPainter.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <functional>

#include "DrawOnGrid.h"
#include "Figures.h"
#include "SignKit.h"

namespace {

using Marking = MarkingPainter::Marking;

// Markings are laid out on a 300 × 170 grid; y grows down the picture, towards us.
const QColor kAsphalt(96, 98, 104);
const QColor kVerge(120, 168, 88);
const QColor kKerb(196, 196, 190);
const QColor kWhite(245, 245, 245);
const QColor kYellow(240, 188, 0);
constexpr double kLine = 4;

void Rect(QPainter& p, const QRectF& box, const QColor& colour) {
    p.fillRect(box, colour);
}

void Solid(QPainter& p, double x, const QColor& colour, double top = 0, double bottom = 170) {
    Rect(p, QRectF(x - kLine / 2, top, kLine, bottom - top), colour);
}

void Dashed(QPainter& p, double x, const QColor& colour, double top = 0, double bottom = 170, double dash = 22,
            double gap = 14) {
    for (int i = 0; bottom - i * (dash + gap) > top; ++i) {
        const double y = bottom - i * (dash + gap);
        Rect(p, QRectF(x - kLine / 2, std::max(top, y - dash), kLine, std::min(dash, y - top)), colour);
    }
}

void DashedAcross(QPainter& p, double y, double left, double right, double thickness, const QColor& colour,
                  double dash = 12, double gap = 8) {
    for (int i = 0; left + i * (dash + gap) < right; ++i) {
        const double x = left + i * (dash + gap);
        Rect(p, QRectF(x, y - thickness / 2, std::min(dash, right - x), thickness), colour);
    }
}

// A car seen from above; `up` says whether it drives up the picture.
void Car(QPainter& p, QPointF centre, const QColor& body, bool up = true) {
    const QRectF shell(centre.x() - 15, centre.y() - 26, 30, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(shell, 7, 7);
    p.setBrush(QColor(50, 64, 80));
    const double front = up ? shell.top() + 10 : shell.bottom() - 20;
    const double back = up ? shell.bottom() - 14 : shell.top() + 6;
    p.drawRoundedRect(QRectF(shell.left() + 4, front, 22, 10), 3, 3);
    p.drawRoundedRect(QRectF(shell.left() + 5, back, 20, 8), 3, 3);
}

// A white lane arrow painted on the road: `turn` -1 left, 0 straight, +1 right.
void LaneArrow(QPainter& p, double x, double y, int turn) {
    QPainterPath shaft(QPointF(x, y + 24));
    if (turn == 0) {
        shaft.lineTo(x, y - 14);
    } else {
        shaft.lineTo(x, y);
        shaft.quadTo(x, y - 10, x + turn * 12, y - 10);
    }
    Figures::Arrow(p, shaft, 4, 9, 13, kWhite);
}

void RoadText(QPainter& p, const QRectF& box, const QString& text, double size, const QColor& colour) {
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(int(size));
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// A two-way road: two lanes each way, the opposite traffic on the left half.
// A road from `left` to `right` through the verge, a white edge line just inside each side.
void Road(QPainter& p, double left, double right) {
    Rect(p, QRectF(0, 0, 300, 170), kVerge);
    Rect(p, QRectF(left, 0, right - left, 170), kAsphalt);
    Solid(p, left + 6, kWhite);
    Solid(p, right - 6, kWhite);
}

void TwoWayRoad(QPainter& p) {
    Road(p, 16, 284);
}

// Traffic both ways: a light car coming down the far side, our red car driving up the picture.
void PassingCars(QPainter& p, QPointF oncoming, QPointF ours) {
    Car(p, oncoming, QColor(230, 230, 230), false);
    Car(p, ours, QColor(200, 40, 40));
}

void DoubleYellow(QPainter& p, double top = 0, double bottom = 170) {
    Solid(p, 146, kYellow, top, bottom);
    Solid(p, 154, kYellow, top, bottom);
}

void LaneScene(QPainter& p, const std::function<void()>& ourDivider) {
    TwoWayRoad(p);
    DoubleYellow(p);
    Dashed(p, 84, kWhite);
    ourDivider();
    PassingCars(p, QPointF(52, 50), QPointF(184, 118));
    Car(p, QPointF(248, 40), QColor(40, 90, 180));
}

// A crossing road across the top of the picture, from y = 0 to `edge`.
void CrossRoadAtTop(QPainter& p, double edge) {
    Rect(p, QRectF(0, 0, 300, edge), kAsphalt);
}

// A minor two-lane road that meets a major one at the top.
void MinorRoadJunction(QPainter& p) {
    Rect(p, QRectF(0, 0, 300, 170), kVerge);
    Rect(p, QRectF(0, 8, 300, 56), kAsphalt);
    Rect(p, QRectF(0, 34, 300, 4), kYellow);  // the major road's centre line
    Rect(p, QRectF(90, 64, 120, 106), kAsphalt);
    Solid(p, 150, kYellow, 64, 170);
}

void Chevrons(QPainter& p) {
    Rect(p, QRectF(0, 0, 300, 170), kVerge);
    QPolygonF carriageway{QPointF(30, 0), QPointF(300, 0), QPointF(300, 40), QPointF(250, 170), QPointF(30, 170)};
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawPolygon(carriageway);
    Solid(p, 36, kWhite);
    Dashed(p, 112, kWhite);
    // The gore between the through lanes and the slip road.
    const QPolygonF gore{QPointF(188, 170), QPointF(188, 14), QPointF(262, 14)};
    QPainterPath area;
    area.addPolygon(gore);
    p.save();
    p.setClipPath(area);
    p.setPen(QPen(kWhite, 5));
    for (int i = 0; i < 15; ++i)
        p.drawLine(QPointF(180, -40 + i * 18), QPointF(270, -90 + i * 18));
    p.restore();
    p.setPen(QPen(kWhite, kLine, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(gore);
    Car(p, QPointF(150, 110), QColor(230, 230, 230));
}

void LeftTurnWaiting(QPainter& p) {
    TwoWayRoad(p);
    Rect(p, QRectF(0, 34, 300, 78), kAsphalt);  // the crossing road makes the junction
    DoubleYellow(p, 112, 170);
    DoubleYellow(p, 0, 34);
    Solid(p, 216, kWhite, 112, 170);
    Rect(p, QRectF(150, 112, 128, 5), kWhite);  // stop line
    LaneArrow(p, 183, 140, -1);
    LaneArrow(p, 247, 140, 0);
    // The waiting area runs from the left-turn lane into the junction and ends at a dashed front line.
    p.setPen(QPen(kWhite, 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(152, 112), QPointF(138, 58));
    p.drawLine(QPointF(214, 112), QPointF(200, 58));
    p.drawLine(QPointF(138, 58), QPointF(200, 58));
    RoadText(p, QRectF(146, 62, 60, 22), QStringLiteral("左弯"), 15, kWhite);
    RoadText(p, QRectF(146, 82, 60, 22), QStringLiteral("待转区"), 15, kWhite);
}

void ZigZag(QPainter& p, double x, double top, double bottom) {
    QPolygonF line;
    bool out = false;
    for (int i = 0; bottom - i * 8 >= top; ++i) {
        line << QPointF(x + (out ? 4 : -4), bottom - i * 8);
        out = !out;
    }
    p.setPen(QPen(kWhite, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
}

void VariableLane(QPainter& p) {
    Rect(p, QRectF(0, 0, 300, 170), kVerge);
    Rect(p, QRectF(10, 34, 280, 136), kAsphalt);
    CrossRoadAtTop(p, 34);
    Solid(p, 122, kYellow, 34, 170);
    Solid(p, 128, kYellow, 34, 170);
    Solid(p, 284, kWhite, 34, 170);
    Rect(p, QRectF(126, 34, 160, 5), kWhite);  // stop line
    Solid(p, 180, kWhite, 39, 170);
    Solid(p, 234, kWhite, 39, 170);
    ZigZag(p, 180, 40, 170);
    ZigZag(p, 234, 40, 170);
    LaneArrow(p, 154, 80, -1);
    LaneArrow(p, 259, 80, 0);
    Car(p, QPointF(207, 130), QColor(220, 220, 220));
}

void YellowGrid(QPainter& p) {
    TwoWayRoad(p);
    Rect(p, QRectF(0, 40, 300, 90), kAsphalt);
    const QRectF box(60, 44, 180, 82);
    p.save();
    p.setClipRect(box);
    p.setPen(QPen(kYellow, 2.5));
    for (int i = 0; i < 25; ++i) {
        const double d = -200 + i * 20;
        p.drawLine(QPointF(box.left() + d, box.top()), QPointF(box.left() + d + 100, box.bottom() + 18));
        p.drawLine(QPointF(box.left() + d + 100, box.top()), QPointF(box.left() + d, box.bottom() + 18));
    }
    p.restore();
    p.setPen(QPen(kYellow, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    DoubleYellow(p, 130, 170);
    DoubleYellow(p, 0, 40);
}

void CrossingAhead(QPainter& p) {
    TwoWayRoad(p);
    DoubleYellow(p);
    Dashed(p, 84, kWhite);
    Dashed(p, 216, kWhite);
    Rect(p, QRectF(16, 16, 268, 40), kAsphalt);
    for (int i = 0; i < 15; ++i)
        Rect(p, QRectF(22 + i * 18, 18, 10, 36), kWhite);
    Rect(p, QRectF(152, 62, 126, 4), kWhite);  // stop line before the crossing
    p.setPen(QPen(kWhite, 3));
    p.setBrush(Qt::NoBrush);
    for (double x : {183.0, 247.0}) {
        p.drawPolygon(QPolygonF{QPointF(x, 100), QPointF(x + 11, 122), QPointF(x, 144), QPointF(x - 11, 122)});
    }
}

void BusLane(QPainter& p) {
    TwoWayRoad(p);
    DoubleYellow(p);
    Dashed(p, 84, kWhite);
    Dashed(p, 216, kYellow);
    RoadText(p, QRectF(220, 60, 56, 40), QStringLiteral("公交"), 20, kYellow);
    RoadText(p, QRectF(220, 96, 56, 40), QStringLiteral("专用"), 20, kYellow);
    Car(p, QPointF(183, 120), QColor(230, 230, 230));
}

void Curb(QPainter& p, bool solid) {
    Rect(p, QRectF(0, 0, 300, 170), QColor(206, 196, 180));  // pavement on the right
    Rect(p, QRectF(0, 0, 236, 170), kAsphalt);
    Rect(p, QRectF(236, 0, 10, 170), kKerb);
    Dashed(p, 118, kYellow);
    if (solid) {
        Solid(p, 241, kYellow);
    } else {
        Dashed(p, 241, kYellow, 0, 170, 18, 14);
    }
    Car(p, QPointF(178, 90), QColor(60, 110, 190));
}

void SpeedBands(QPainter& p) {
    TwoWayRoad(p);
    DoubleYellow(p);
    Dashed(p, 84, kWhite);
    Dashed(p, 216, kWhite);
    for (double y0 : {20.0, 78.0, 136.0}) {
        for (int i = 0; i < 3; ++i) {
            DashedAcross(p, y0 + i * 9, 156, 214, 4, kWhite, 10, 6);
            DashedAcross(p, y0 + i * 9, 218, 276, 4, kWhite, 10, 6);
        }
    }
}

void ReversibleLane(QPainter& p) {
    TwoWayRoad(p);
    // The middle lane is edged by double yellow dashed lines on both sides.
    for (double x : {106.0, 113.0, 187.0, 194.0})
        Dashed(p, x, kYellow);
    PassingCars(p, QPointF(64, 54), QPointF(236, 112));
}

// One carriageway of an expressway, three lanes all running up the picture, `shoulder` wide on the right.
void Carriageway(QPainter& p, double shoulder) {
    Rect(p, QRectF(0, 0, 300, 170), kVerge);
    Rect(p, QRectF(20, 0, 234 + shoulder, 170), kAsphalt);
    Solid(p, 26, kWhite);
    Dashed(p, 102, kWhite);
    Dashed(p, 178, kWhite);
    Solid(p, 254, kWhite);
}

void DistanceCheck(QPainter& p) {
    Carriageway(p, 12);
    for (double y : {22.0, 124.0})
        Rect(p, QRectF(28, y, 224, 9), kWhite);
    Car(p, QPointF(140, 64), QColor(200, 40, 40));
    Car(p, QPointF(216, 150), QColor(40, 90, 180));
}

void CycleLane(QPainter& p) {
    Rect(p, QRectF(0, 0, 300, 170), QColor(206, 196, 180));  // pavement on the right
    Rect(p, QRectF(0, 0, 290, 170), kAsphalt);
    Dashed(p, 80, kYellow);
    Dashed(p, 160, kWhite);
    Solid(p, 232, kWhite);
    Rect(p, QRectF(290, 0, 10, 170), kKerb);
    SignKit::Bicycle(p, QRectF(240, 64, 44, 26), kWhite);
    Car(p, QPointF(196, 110), QColor(200, 40, 40));
}

void EmergencyLane(QPainter& p) {
    Carriageway(p, 40);
    Car(p, QPointF(64, 46), QColor(230, 230, 230));
    Car(p, QPointF(140, 120), QColor(200, 40, 40));
    Car(p, QPointF(216, 60), QColor(40, 90, 180));
}

void UTurnLaneArrow(QPainter& p, double x, double y) {
    QPainterPath shaft(QPointF(x + 6, y + 24));
    shaft.lineTo(x + 6, y - 4);
    shaft.arcTo(QRectF(x - 8, y - 11, 14, 14), 0, 180);
    shaft.lineTo(x - 8, y + 6);
    Figures::Arrow(p, shaft, 4, 9, 13, kWhite);
}

void UTurnLane(QPainter& p) {
    TwoWayRoad(p);
    CrossRoadAtTop(p, 50);
    DoubleYellow(p, 50, 170);
    Dashed(p, 84, kWhite, 50, 170);
    Solid(p, 216, kWhite, 56, 170);
    Rect(p, QRectF(150, 52, 128, 6), kWhite);
    UTurnLaneArrow(p, 183, 100);
    LaneArrow(p, 247, 96, 0);
}

void Draw(QPainter& p, Marking marking) {
    switch (marking) {
        case Marking::WhiteDashed:
            LaneScene(p, [&p] { Dashed(p, 216, kWhite); });
            break;
        case Marking::WhiteSolid:
            LaneScene(p, [&p] { Solid(p, 216, kWhite); });
            break;
        case Marking::WhiteSolidDashed:
            LaneScene(p, [&p] {
                Solid(p, 212, kWhite);
                Dashed(p, 220, kWhite);
            });
            break;
        case Marking::YellowDoubleSolid:
            LaneScene(p, [] {});
            break;
        case Marking::YellowSolidDashed:
            TwoWayRoad(p);
            Solid(p, 146, kYellow);
            Dashed(p, 154, kYellow);
            Dashed(p, 84, kWhite);
            Dashed(p, 216, kWhite);
            PassingCars(p, QPointF(116, 50), QPointF(184, 118));
            break;
        case Marking::YellowDashed:
            Road(p, 70, 230);
            Dashed(p, 150, kYellow);
            PassingCars(p, QPointF(112, 46), QPointF(188, 120));
            break;
        case Marking::StopLine:
            TwoWayRoad(p);
            CrossRoadAtTop(p, 50);
            DoubleYellow(p, 50, 170);
            Dashed(p, 84, kWhite, 50, 170);
            Solid(p, 216, kWhite, 56, 130);
            Dashed(p, 216, kWhite, 130, 170);
            Rect(p, QRectF(150, 52, 128, 6), kWhite);
            LaneArrow(p, 183, 96, -1);
            LaneArrow(p, 247, 96, 0);
            break;
        case Marking::StopYieldLine:
            MinorRoadJunction(p);
            Rect(p, QRectF(152, 68, 58, 4), kWhite);
            Rect(p, QRectF(152, 76, 58, 4), kWhite);
            RoadText(p, QRectF(152, 96, 58, 50), QStringLiteral("停"), 36, kWhite);
            break;
        case Marking::YieldLine: {
            MinorRoadJunction(p);
            DashedAcross(p, 70, 152, 210, 4, kWhite);
            DashedAcross(p, 78, 152, 210, 4, kWhite);
            p.setPen(QPen(kWhite, 3));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(QPolygonF{QPointF(164, 96), QPointF(198, 96), QPointF(181, 150)});
            break;
        }
        case Marking::LeftTurnWaiting:
            LeftTurnWaiting(p);
            break;
        case Marking::VariableLane:
            VariableLane(p);
            break;
        case Marking::Chevrons:
            Chevrons(p);
            break;
        case Marking::YellowGrid:
            YellowGrid(p);
            break;
        case Marking::CrossingAhead:
            CrossingAhead(p);
            break;
        case Marking::BusLane:
            BusLane(p);
            break;
        case Marking::CurbNoStopping:
            Curb(p, true);
            break;
        case Marking::CurbNoParking:
            Curb(p, false);
            break;
        case Marking::SpeedBands:
            SpeedBands(p);
            break;
        case Marking::ReversibleLane:
            ReversibleLane(p);
            break;
        case Marking::DistanceCheck:
            DistanceCheck(p);
            break;
        case Marking::CycleLane:
            CycleLane(p);
            break;
        case Marking::EmergencyLane:
            EmergencyLane(p);
            break;
        case Marking::UTurnArrow:
            UTurnLane(p);
            break;
    }
}

}  // namespace

QImage MarkingPainter::paint(Marking marking, int width, int height) {
    return DrawOnGrid(QSize(width, height), QSizeF(300, 170), Qt::white, QPainter::TextAntialiasing,
                      [marking](QPainter& p) { Draw(p, marking); });
}
