#include "SignPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <numbers>

#include "DrawOnGrid.h"
#include "Figures.h"
#include "SignKit.h"

using namespace SignKit;

namespace {

using Sign = SignPainter::Sign;

// Draws `symbol` mirrored left to right about the sign's vertical axis.
void Mirrored(QPainter& p, const std::function<void()>& symbol) {
    p.save();
    p.translate(100, 0);
    p.scale(-1, 1);
    symbol();
    p.restore();
}

void Stroke(QPainter& p, const QPainterPath& path, double width, const QColor& colour) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// ---- warning symbols: black, inside the yellow triangle -------------------------------------------------------

void SharpLeftArrow(QPainter& p) {
    QPainterPath shaft(QPointF(58, 84));
    shaft.lineTo(58, 58);
    shaft.quadTo(58, 45, 45, 45);
    Figures::Arrow(p, shaft, 8, 12, 20, kBlack);
}

void ReverseCurveArrow(QPainter& p) {
    QPainterPath shaft(QPointF(57, 87));
    shaft.lineTo(57, 80);
    shaft.cubicTo(57, 72, 42, 72, 42, 64);
    shaft.cubicTo(42, 57, 53, 57, 53, 51);
    Figures::Arrow(p, shaft, 6.5, 10, 16, kBlack);
}

void WindingArrow(QPainter& p) {
    QPainterPath shaft(QPointF(50, 87));
    for (int step = 0; step <= 35; ++step)
        shaft.lineTo(50 + 8 * std::sin(step / 35.0 * 3 * std::numbers::pi), 87 - step);
    Figures::Arrow(p, shaft, 5.5, 9, 15, kBlack);
}

// A slope with a car driving on it to the right: up a slope that rises to the right, or down one that falls.
void SlopeWithCar(QPainter& p, bool uphill) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    const double highX = uphill ? 76 : 24;
    p.drawPolygon(QPolygonF{QPointF(24, 86), QPointF(76, 86), QPointF(highX, 50)});
    p.save();
    p.translate(50, 68);  // the middle of the slope
    p.rotate(uphill ? -34.7 : 34.7);
    p.scale(-1, 1);  // the car is drawn heading left
    CarSide(p, QRectF(-15, -15, 30, 16), kBlack);
    p.restore();
}

void NarrowingEdge(QPainter& p, double x, double inset) {
    QPainterPath edge(QPointF(x, 88));
    edge.lineTo(x, 70);
    edge.lineTo(x + inset, 58);
    edge.lineTo(x + inset, 44);
    Stroke(p, edge, 5, kBlack);
}

void RoundaboutArrows(QPainter& p, const QRectF& ring, const QColor& colour, double width, double head) {
    // Anticlockwise on the page, as traffic circulates on the right.
    for (int start : {20, 140, 260}) {
        QPainterPath shaft;
        shaft.arcMoveTo(ring, start);
        shaft.arcTo(ring, start, 78);
        Figures::Arrow(p, shaft, width, head, head * 1.6, colour);
    }
}

void SignalHead(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(41, 40, 18, 46), 4, 4);
    const QColor lamps[] = {kRed, kYellow, QColor(0, 160, 80)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(50, 48 + 15 * i), 5.5, 5.5);
    }
}

void FallingRocksSymbol(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{QPointF(22, 85), QPointF(43, 40), QPointF(48, 47), QPointF(41, 85)});
    const QPointF rocks[] = {QPointF(53, 50), QPointF(60, 64), QPointF(57, 79)};
    const double sizes[] = {4, 5, 6};
    for (int i = 0; i < 3; ++i) {
        const QPointF c = rocks[i];
        const double r = sizes[i];
        p.drawPolygon(QPolygonF{c + QPointF(-r, -r * 0.4), c + QPointF(-r * 0.2, -r), c + QPointF(r, -r * 0.5),
                                c + QPointF(r * 0.8, r * 0.7), c + QPointF(-r * 0.5, r)});
    }
}

void TunnelSymbol(QPainter& p) {
    QPainterPath arch;
    arch.moveTo(27, 86);
    arch.lineTo(27, 66);
    arch.arcTo(QRectF(27, 43, 46, 46), 180, -180);
    arch.lineTo(73, 86);
    arch.closeSubpath();
    arch.moveTo(38, 86);
    arch.lineTo(38, 70);
    arch.arcTo(QRectF(38, 58, 24, 24), 180, -180);
    arch.lineTo(62, 86);
    arch.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPath(arch);
}

void FenceSymbol(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    for (double x : {31.0, 46.5, 62.0})
        p.drawRect(QRectF(x, 52, 7, 34));
    p.drawRect(QRectF(27, 58, 46, 6));
    p.drawRect(QRectF(27, 72, 46, 6));
}

void LocomotiveSymbol(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRect(QRectF(30, 62, 30, 13));  // boiler
    p.drawRect(QRectF(58, 52, 14, 23));  // cab
    p.drawRect(QRectF(56, 49, 18, 4));   // cab roof
    p.drawRect(QRectF(35, 52, 6, 10));   // chimney
    p.drawRect(QRectF(33, 49, 10, 4));
    p.drawRect(QRectF(27, 74, 47, 4));  // frame
    for (double x : {36.0, 48.0, 63.0})
        p.drawEllipse(QPointF(x, 81), 4.5, 4.5);
    p.setBrush(kYellow);
    p.drawRect(QRectF(61, 56, 8, 7));  // cab window
}

void DangerMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{QPointF(45, 42), QPointF(55, 42), QPointF(52.5, 72), QPointF(47.5, 72)});
    p.drawEllipse(QPointF(50, 80), 4.5, 4.5);
}

void TwoWayArrows(QPainter& p) {
    QPainterPath down(QPointF(42, 46));
    down.lineTo(42, 74);
    Figures::Arrow(p, down, 6, 10, 15, kBlack);
    QPainterPath up(QPointF(58, 86));
    up.lineTo(58, 58);
    Figures::Arrow(p, up, 6, 10, 15, kBlack);
}

void SlipperySymbol(QPainter& p) {
    CarSide(p, QRectF(33, 42, 34, 19), kBlack);
    for (double x : {38.0, 58.0}) {
        QPainterPath track(QPointF(x, 64));
        track.cubicTo(x - 9, 70, x + 9, 76, x, 84);
        Stroke(p, track, 3.5, kBlack);
    }
}

// ---- prohibition symbols ----------------------------------------------------------------------------------------

void SpeedFigure(QPainter& p, const QString& figure, const QColor& colour) {
    const bool long3 = figure.size() > 2;
    Text(p, QRectF(13, 13, 74, 74), figure, long3 ? 32 : 40, colour, true);
}

void EndStripes(QPainter& p) {
    p.save();
    QPainterPath inside;
    inside.addEllipse(QPointF(50, 50), 44, 44);
    p.setClipPath(inside);
    p.setPen(QPen(kBlack, 1.6));
    for (int i = -2; i <= 2; ++i) {
        const QPointF shift(i * 3.2, i * 3.2);
        p.drawLine(QPointF(84, 16) + shift, QPointF(16, 84) + shift);
    }
    p.restore();
}

// The plate of a limit's release: a white disc in a thin black ring; the released limit goes on it in grey,
// under black stripes.
void ReleasePlate(QPainter& p) {
    p.setPen(QPen(kBlack, 2.5));
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(50, 50), 45, 45);
}

const QColor kReleased(110, 110, 110);

void LeftTurnArrow(QPainter& p, const QColor& colour, double width) {
    QPainterPath shaft(QPointF(58, 80));
    shaft.lineTo(58, 55);
    shaft.quadTo(58, 43, 44, 43);
    Figures::Arrow(p, shaft, width, 13, 22, colour);
}

void UTurnArrow(QPainter& p, const QColor& colour, double width) {
    QPainterPath shaft(QPointF(61, 80));
    shaft.lineTo(61, 46);
    shaft.arcTo(QRectF(39, 35, 22, 22), 0, 180);
    shaft.lineTo(39, 60);
    Figures::Arrow(p, shaft, width, 12, 21, colour);
}

void ParkingBan(QPainter& p, bool both) {
    ProhibitionPlate(p, kBlue);
    ProhibitionBar(p);
    if (both) {
        Mirrored(p, [&p] { ProhibitionBar(p); });
    }
}

void Wedge(QPainter& p, QPointF tip, QPointF direction) {
    const QPointF across(-direction.y(), direction.x());
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{tip, tip - direction * 8 + across * 7, tip - direction * 8 - across * 7});
}

// ---- mandatory and blue plates --------------------------------------------------------------------------------

void StraightWithBranch(QPainter& p) {
    QPainterPath straight(QPointF(57, 84));
    straight.lineTo(57, 38);
    Figures::Arrow(p, straight, 11, 14, 24, kWhite);
    QPainterPath branch(QPointF(57, 68));
    branch.quadTo(57, 54, 38, 54);
    Figures::Arrow(p, branch, 11, 14, 24, kWhite);
}

void OneWayPlate(QPainter& p) {
    Board(p, QRectF(24, 6, 52, 88), kBlue, kWhite);
    QPainterPath shaft(QPointF(50, 84));
    shaft.lineTo(50, 38);
    Figures::Arrow(p, shaft, 14, 22, 32, kWhite);
}

void CrossingPlate(QPainter& p) {
    Board(p, QRectF(6, 6, 88, 88), kBlue, kWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{QPointF(50, 14), QPointF(86, 84), QPointF(14, 84)});
    p.setBrush(kBlack);
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(24 + i * 10, 76, 6, 5));
    Figures::Walker(p, QPointF(48, 74), 42, kBlack);
}

void PriorityPlate(QPainter& p) {
    Board(p, QRectF(6, 6, 88, 88), kBlue, kWhite);
    QPainterPath mine(QPointF(60, 84));
    mine.lineTo(60, 36);
    Figures::Arrow(p, mine, 10, 16, 26, kWhite);
    QPainterPath theirs(QPointF(36, 18));
    theirs.lineTo(36, 64);
    Figures::Arrow(p, theirs, 7, 12, 19, kRed);
}

void LaneDirectionsPlate(QPainter& p) {
    Board(p, QRectF(4, 14, 92, 72), kBlue, kWhite);
    p.setPen(QPen(kWhite, 1.5));
    p.drawLine(QPointF(35, 20), QPointF(35, 80));
    p.drawLine(QPointF(65, 20), QPointF(65, 80));
    QPainterPath left(QPointF(24, 76));
    left.lineTo(24, 46);
    left.quadTo(24, 36, 14, 36);
    Figures::Arrow(p, left, 5, 8, 13, kWhite);
    QPainterPath straight(QPointF(50, 76));
    straight.lineTo(50, 34);
    Figures::Arrow(p, straight, 5, 8, 13, kWhite);
    QPainterPath right(QPointF(76, 76));
    right.lineTo(76, 34);
    Figures::Arrow(p, right, 5, 8, 13, kWhite);
    QPainterPath branch(QPointF(76, 62));
    branch.quadTo(76, 50, 87, 50);
    Figures::Arrow(p, branch, 5, 7, 12, kWhite);
}

void Merge(QPainter& p) {
    QPainterPath main(QPointF(44, 88));
    main.lineTo(44, 44);
    Figures::Arrow(p, main, 7, 11, 18, kBlack);
    QPainterPath branch(QPointF(64, 88));
    branch.lineTo(64, 76);
    branch.quadTo(64, 66, 48, 58);
    Stroke(p, branch, 6, kBlack);
}

void BumpySymbol(QPainter& p) {
    QPainterPath ground(QPointF(26, 84));
    ground.lineTo(26, 76);
    ground.cubicTo(32, 62, 40, 62, 46, 76);
    ground.cubicTo(52, 62, 60, 62, 66, 76);
    ground.lineTo(74, 76);
    ground.lineTo(74, 84);
    ground.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPath(ground);
}

void HumpSymbol(QPainter& p) {
    QPainterPath bridge(QPointF(24, 84));
    bridge.lineTo(24, 78);
    bridge.cubicTo(38, 78, 40, 54, 50, 54);
    bridge.cubicTo(60, 54, 62, 78, 76, 78);
    bridge.lineTo(76, 84);
    bridge.cubicTo(62, 84, 60, 62, 50, 62);
    bridge.cubicTo(40, 62, 38, 84, 24, 84);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPath(bridge);
}

// The parapets of a narrow bridge: straight in the middle, splayed where the road widens at either end.
void NarrowBridgeSymbol(QPainter& p) {
    for (double side : {-1.0, 1.0}) {
        QPainterPath rail(QPointF(50 + side * 16, 88));
        rail.lineTo(50 + side * 8, 78);
        rail.lineTo(50 + side * 8, 54);
        rail.lineTo(50 + side * 16, 44);
        Stroke(p, rail, 5, kBlack);
    }
}

void YSymbol(QPainter& p) {
    p.setPen(QPen(kBlack, 8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(50, 88), QPointF(50, 64));
    p.drawPolyline(QPolygonF{QPointF(34, 44), QPointF(50, 64), QPointF(66, 44)});
}

void House(QPainter& p, double x, double width, double wall, double roof) {
    p.drawPolygon(QPolygonF{QPointF(x, 86), QPointF(x, 86 - wall), QPointF(x + width / 2, 86 - wall - roof),
                            QPointF(x + width, 86 - wall), QPointF(x + width, 86)});
}

void VillageSymbol(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    House(p, 26, 24, 16, 12);
    House(p, 50, 24, 22, 14);
    p.setBrush(kYellow);
    p.drawRect(QRectF(35, 76, 6, 10));  // doors
    p.drawRect(QRectF(59, 74, 6, 12));
}

void WindsockSymbol(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawRect(QRectF(30, 44, 4, 44));  // the mast
    // The sock streams out to the right, narrowing, in bands.
    for (int i = 0; i < 3; ++i) {
        const double x0 = 34 + i * 12;
        const double h0 = 14 - i * 3;
        const double h1 = 14 - (i + 1) * 3;
        p.drawPolygon(QPolygonF{QPointF(x0, 52 - h0 / 2 + i * 2), QPointF(x0 + 10, 52 - h1 / 2 + (i + 1) * 2),
                                QPointF(x0 + 10, 52 + h1 / 2 + (i + 1) * 2), QPointF(x0, 52 + h0 / 2 + i * 2)});
    }
}

// A ban on one class of vehicle: its side-view pictogram on the prohibition plate, barred.
void NoVehicles(QPainter& p, void (*pictogram)(QPainter&, const QRectF&, const QColor&)) {
    ProhibitionPlate(p);
    pictogram(p, QRectF(22, 34, 56, 34), kBlack);
    ProhibitionBar(p);
}

void TwoCars(QPainter& p, const QColor& left, const QColor& right) {
    CarRear(p, QRectF(20, 38, 28, 22), left);
    CarRear(p, QRectF(52, 38, 28, 22), right);
}

void LanePlate(QPainter& p, const std::function<void()>& arrow) {
    Board(p, QRectF(14, 6, 72, 88), kBlue, kWhite);
    p.setPen(QPen(kWhite, 2.5, Qt::DashLine));
    p.drawLine(QPointF(24, 12), QPointF(24, 88));
    p.drawLine(QPointF(76, 12), QPointF(76, 88));
    arrow();
}

void Draw(QPainter& p, Sign sign) {
    switch (sign) {
        case Sign::WatchPedestrians:
            WarningPlate(p);
            Figures::Walker(p, QPointF(48, 81), 38, kBlack);
            break;
        case Sign::SharpLeftCurve:
            WarningPlate(p);
            SharpLeftArrow(p);
            break;
        case Sign::SharpRightCurve:
            WarningPlate(p);
            Mirrored(p, [&p] { SharpLeftArrow(p); });
            break;
        case Sign::ReverseCurve:
            WarningPlate(p);
            ReverseCurveArrow(p);
            break;
        case Sign::WindingRoad:
            WarningPlate(p);
            WindingArrow(p);
            break;
        case Sign::SteepClimb:
            WarningPlate(p);
            SlopeWithCar(p, true);
            break;
        case Sign::SteepDescent:
            WarningPlate(p);
            SlopeWithCar(p, false);
            break;
        case Sign::NarrowsBothSides:
            WarningPlate(p);
            NarrowingEdge(p, 38, 6);
            NarrowingEdge(p, 62, -6);
            break;
        case Sign::NarrowsRight:
            WarningPlate(p);
            NarrowingEdge(p, 40, 0);
            NarrowingEdge(p, 62, -9);
            break;
        case Sign::Crossroads:
            WarningPlate(p);
            p.setPen(Qt::NoPen);
            p.setBrush(kBlack);
            p.drawRect(QRectF(45.5, 40, 9, 47));
            p.drawRect(QRectF(29, 60, 42, 9));
            break;
        case Sign::TJunction:
            WarningPlate(p);
            p.setPen(Qt::NoPen);
            p.setBrush(kBlack);
            p.drawRect(QRectF(32, 54, 36, 9));
            p.drawRect(QRectF(45.5, 54, 9, 33));
            break;
        case Sign::RoundaboutAhead:
            WarningPlate(p);
            RoundaboutArrows(p, QRectF(37, 51, 26, 26), kBlack, 5, 7);
            break;
        case Sign::SignalsAhead:
            WarningPlate(p);
            SignalHead(p);
            break;
        case Sign::FallingRocks:
            WarningPlate(p);
            FallingRocksSymbol(p);
            break;
        case Sign::Tunnel:
            WarningPlate(p);
            TunnelSymbol(p);
            break;
        case Sign::GuardedRailway:
            WarningPlate(p);
            FenceSymbol(p);
            break;
        case Sign::UnguardedRailway:
            WarningPlate(p);
            LocomotiveSymbol(p);
            break;
        case Sign::Slow:
            WarningPlate(p);
            Text(p, QRectF(28, 46, 44, 40), QStringLiteral("慢"), 32, kBlack);
            break;
        case Sign::Danger:
            WarningPlate(p);
            DangerMark(p);
            break;
        case Sign::TwoWayTraffic:
            WarningPlate(p);
            TwoWayArrows(p);
            break;
        case Sign::WatchCycles:
            WarningPlate(p);
            Bicycle(p, QRectF(29, 56, 42, 26), kBlack);
            break;
        case Sign::Slippery:
            WarningPlate(p);
            SlipperySymbol(p);
            break;
        case Sign::WatchChildren:
            WarningPlate(p);
            Figures::Walker(p, QPointF(42, 82), 34, kBlack);
            Figures::Walker(p, QPointF(60, 82), 26, kBlack);
            break;
        case Sign::NoPassage:
            ProhibitionPlate(p);
            break;
        case Sign::NoEntry:
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawEllipse(QPointF(50, 50), 47, 47);
            p.setBrush(kWhite);
            p.drawRect(QRectF(16, 42, 68, 16));
            break;
        case Sign::NoHorn:
            ProhibitionPlate(p);
            Horn(p, QRectF(20, 30, 52, 40), kBlack);
            ProhibitionBar(p);
            break;
        case Sign::SpeedLimit40:
            ProhibitionPlate(p);
            SpeedFigure(p, QStringLiteral("40"), kBlack);
            break;
        case Sign::SpeedLimit60:
            ProhibitionPlate(p);
            SpeedFigure(p, QStringLiteral("60"), kBlack);
            break;
        case Sign::SpeedLimit80:
            ProhibitionPlate(p);
            SpeedFigure(p, QStringLiteral("80"), kBlack);
            break;
        case Sign::SpeedLimit120:
            ProhibitionPlate(p);
            SpeedFigure(p, QStringLiteral("120"), kBlack);
            break;
        case Sign::EndSpeedLimit40:
            ReleasePlate(p);
            SpeedFigure(p, QStringLiteral("40"), kReleased);
            EndStripes(p);
            break;
        case Sign::NoLeftTurn:
            ProhibitionPlate(p);
            LeftTurnArrow(p, kBlack, 9);
            ProhibitionBar(p);
            break;
        case Sign::NoRightTurn:
            ProhibitionPlate(p);
            Mirrored(p, [&p] { LeftTurnArrow(p, kBlack, 9); });
            ProhibitionBar(p);
            break;
        case Sign::NoStraight: {
            ProhibitionPlate(p);
            QPainterPath shaft(QPointF(50, 82));
            shaft.lineTo(50, 40);
            Figures::Arrow(p, shaft, 9, 14, 24, kBlack);
            ProhibitionBar(p);
            break;
        }
        case Sign::NoUTurn:
            ProhibitionPlate(p);
            UTurnArrow(p, kBlack, 7);
            ProhibitionBar(p);
            break;
        case Sign::NoParking:
            ParkingBan(p, true);
            break;
        case Sign::NoLongParking:
            ParkingBan(p, false);
            break;
        case Sign::HeightLimit:
            ProhibitionPlate(p);
            Text(p, QRectF(14, 36, 72, 28), QStringLiteral("3.5m"), 22, kBlack, true);
            Wedge(p, QPointF(50, 35), QPointF(0, 1));
            Wedge(p, QPointF(50, 65), QPointF(0, -1));
            break;
        case Sign::WidthLimit:
            ProhibitionPlate(p);
            Text(p, QRectF(28, 30, 44, 40), QStringLiteral("3m"), 24, kBlack, true);
            Wedge(p, QPointF(31, 50), QPointF(1, 0));
            Wedge(p, QPointF(69, 50), QPointF(-1, 0));
            break;
        case Sign::WeightLimit:
            ProhibitionPlate(p);
            Text(p, QRectF(13, 13, 74, 74), QStringLiteral("20t"), 30, kBlack, true);
            break;
        case Sign::NoTrucks:
            NoVehicles(p, Truck);
            break;
        case Sign::NoMotorcycles:
            NoVehicles(p, Motorcycle);
            break;
        case Sign::NoCycles:
            NoVehicles(p, Bicycle);
            break;
        case Sign::StopForCheck:
            ProhibitionPlate(p);
            Text(p, QRectF(14, 26, 72, 24), QStringLiteral("停车"), 19, kBlack);
            Text(p, QRectF(14, 50, 72, 24), QStringLiteral("检查"), 19, kBlack);
            break;
        case Sign::Stop: {
            QPolygonF octagon;
            for (int i = 0; i < 8; ++i) {
                const double angle = (22.5 + 45 * i) * std::numbers::pi / 180;
                octagon << QPointF(50 + 48 * std::cos(angle), 50 + 48 * std::sin(angle));
            }
            p.setPen(Qt::NoPen);
            p.setBrush(kRed);
            p.drawPolygon(octagon);
            p.setPen(QPen(kWhite, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            QTransform inset;
            inset.translate(50, 50).scale(0.88, 0.88).translate(-50, -50);
            p.drawPolygon(inset.map(octagon));
            Text(p, QRectF(10, 10, 80, 80), QStringLiteral("停"), 48, kWhite);
            break;
        }
        case Sign::Yield:
            RoundedTriangle(p, 1.0, true, kRed);
            RoundedTriangle(p, 0.7, true, kWhite);
            Text(p, QRectF(28, 14, 44, 44), QStringLiteral("让"), 30, kBlack);
            break;
        case Sign::StraightOnly: {
            MandatoryPlate(p);
            QPainterPath shaft(QPointF(50, 82));
            shaft.lineTo(50, 42);
            Figures::Arrow(p, shaft, 14, 24, 36, kWhite);
            break;
        }
        case Sign::TurnLeft:
            MandatoryPlate(p);
            LeftTurnArrow(p, kWhite, 13);
            break;
        case Sign::TurnRight:
            MandatoryPlate(p);
            Mirrored(p, [&p] { LeftTurnArrow(p, kWhite, 13); });
            break;
        case Sign::StraightOrLeft:
            MandatoryPlate(p);
            StraightWithBranch(p);
            break;
        case Sign::StraightOrRight:
            MandatoryPlate(p);
            Mirrored(p, [&p] { StraightWithBranch(p); });
            break;
        case Sign::LeftOrRight: {
            MandatoryPlate(p);
            p.setPen(QPen(kWhite, 11, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(50, 84), QPointF(50, 50));
            for (double end : {32.0, 68.0}) {
                QPainterPath branch(QPointF(50, 55));
                branch.quadTo(50, 44, end, 44);
                Figures::Arrow(p, branch, 11, 13, 24, kWhite);
            }
            break;
        }
        case Sign::KeepRight: {
            MandatoryPlate(p);
            QPainterPath shaft(QPointF(27, 27));
            shaft.lineTo(57, 57);
            Figures::Arrow(p, shaft, 13, 20, 32, kWhite);
            break;
        }
        case Sign::KeepLeft:
            MandatoryPlate(p);
            Mirrored(p, [&p] {
                QPainterPath shaft(QPointF(27, 27));
                shaft.lineTo(57, 57);
                Figures::Arrow(p, shaft, 13, 20, 32, kWhite);
            });
            break;
        case Sign::Roundabout:
            MandatoryPlate(p);
            RoundaboutArrows(p, QRectF(27, 27, 46, 46), kWhite, 8, 11);
            break;
        case Sign::SoundHorn:
            MandatoryPlate(p);
            Horn(p, QRectF(20, 30, 58, 40), kWhite);
            break;
        case Sign::MinimumSpeed50:
            MandatoryPlate(p);
            SpeedFigure(p, QStringLiteral("50"), kWhite);
            break;
        case Sign::CyclesOnly:
            MandatoryPlate(p);
            Bicycle(p, QRectF(20, 32, 60, 36), kWhite);
            break;
        case Sign::PedestriansOnly:
            MandatoryPlate(p);
            Figures::Walker(p, QPointF(48, 82), 60, kWhite);
            break;
        case Sign::UTurnAllowed:
            MandatoryPlate(p);
            UTurnArrow(p, kWhite, 10);
            break;
        case Sign::OneWay:
            OneWayPlate(p);
            break;
        case Sign::PedestrianCrossing:
            CrossingPlate(p);
            break;
        case Sign::Parking:
            Board(p, QRectF(6, 6, 88, 88), kBlue, kWhite);
            Text(p, QRectF(6, 6, 88, 88), QStringLiteral("P"), 70, kWhite);
            break;
        case Sign::PriorityOverOncoming:
            PriorityPlate(p);
            break;
        case Sign::NarrowsLeft:
            WarningPlate(p);
            Mirrored(p, [&p] {
                NarrowingEdge(p, 40, 0);
                NarrowingEdge(p, 62, -9);
            });
            break;
        case Sign::Merge:
            WarningPlate(p);
            Merge(p);
            break;
        case Sign::Bumpy:
            WarningPlate(p);
            BumpySymbol(p);
            break;
        case Sign::HumpBridge:
            WarningPlate(p);
            HumpSymbol(p);
            break;
        case Sign::NarrowBridge:
            WarningPlate(p);
            NarrowBridgeSymbol(p);
            break;
        case Sign::YJunction:
            WarningPlate(p);
            YSymbol(p);
            break;
        case Sign::Village:
            WarningPlate(p);
            VillageSymbol(p);
            break;
        case Sign::Crosswind:
            WarningPlate(p);
            WindsockSymbol(p);
            break;
        case Sign::NoPedestrians:
            ProhibitionPlate(p);
            Figures::Walker(p, QPointF(48, 80), 52, kBlack);
            ProhibitionBar(p);
            break;
        case Sign::NoLeftOrRight:
            ProhibitionPlate(p);
            p.setPen(QPen(kBlack, 8, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(50, 82), QPointF(50, 52));
            for (double end : {28.0, 72.0}) {
                QPainterPath branch(QPointF(50, 56));
                branch.quadTo(50, 46, end, 46);
                Figures::Arrow(p, branch, 8, 11, 19, kBlack);
            }
            ProhibitionBar(p);
            break;
        case Sign::NoStraightOrLeft: {
            ProhibitionPlate(p);
            QPainterPath straight(QPointF(56, 82));
            straight.lineTo(56, 42);
            Figures::Arrow(p, straight, 8, 12, 20, kBlack);
            QPainterPath branch(QPointF(56, 68));
            branch.quadTo(56, 56, 38, 56);
            Figures::Arrow(p, branch, 8, 12, 20, kBlack);
            ProhibitionBar(p);
            break;
        }
        case Sign::NoOvertaking:
            ProhibitionPlate(p);
            TwoCars(p, kRed, kBlack);
            break;
        case Sign::EndNoOvertaking:
            ReleasePlate(p);
            TwoCars(p, kReleased, kReleased);
            EndStripes(p);
            break;
        case Sign::OneWayLeft:
            Board(p, QRectF(4, 26, 92, 48), kBlue, kWhite);
            {
                QPainterPath shaft(QPointF(84, 50));
                shaft.lineTo(36, 50);
                Figures::Arrow(p, shaft, 13, 20, 30, kWhite);
            }
            break;
        case Sign::StraightLane:
            LanePlate(p, [&p] {
                QPainterPath shaft(QPointF(50, 84));
                shaft.lineTo(50, 38);
                Figures::Arrow(p, shaft, 12, 20, 30, kWhite);
            });
            break;
        case Sign::LeftTurnLane:
            LanePlate(p, [&p] {
                QPainterPath shaft(QPointF(56, 84));
                shaft.lineTo(56, 52);
                shaft.quadTo(56, 40, 42, 40);
                Figures::Arrow(p, shaft, 12, 16, 28, kWhite);
            });
            break;
        case Sign::LaneDirections:
            LaneDirectionsPlate(p);
            break;
    }
}

}  // namespace

QImage SignPainter::paint(Sign sign, int size) {
    return DrawOnGrid(QSize(size, size), QSizeF(100, 100), Qt::white, QPainter::TextAntialiasing,
                      [sign](QPainter& p) { Draw(p, sign); });
}
