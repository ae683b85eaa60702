#include "DashboardPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "DrawOnGrid.h"
#include "Figures.h"
#include "SignKit.h"

namespace {

using Lamp = DashboardPainter::Lamp;

// Laid out on a 100 × 100 grid.
const QColor kFace(22, 24, 28);
const QColor kRed(236, 48, 36);
const QColor kAmber(255, 168, 0);
const QColor kGreen(40, 204, 84);
const QColor kBlue(48, 128, 255);
constexpr double kStroke = 5;

QPen Line(const QColor& colour, double width = kStroke) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void OilCan(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(26, 46, 40, 22), 2, 2);                                               // body
    p.drawRect(QRectF(40, 38, 10, 9));                                                             // filler cap
    p.drawPolygon(QPolygonF{QPointF(64, 50), QPointF(88, 40), QPointF(91, 45), QPointF(64, 62)});  // spout
    QPainterPath drop(QPointF(90, 52));
    drop.cubicTo(86, 59, 85, 63, 90, 64);
    drop.cubicTo(95, 63, 94, 59, 90, 52);
    p.drawPath(drop);
    p.setPen(Line(c, 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath handle(QPointF(27, 50));
    handle.cubicTo(12, 46, 12, 66, 27, 63);
    p.drawPath(handle);
}

void Battery(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(26, 28, 12, 8));
    p.drawRect(QRectF(62, 28, 12, 8));
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(16, 36, 68, 40), 3, 3);
    p.setPen(Line(c, 4.5));
    p.drawLine(QPointF(26, 56), QPointF(38, 56));  // minus
    p.drawLine(QPointF(62, 56), QPointF(74, 56));  // plus
    p.drawLine(QPointF(68, 50), QPointF(68, 62));
}

void Thermometer(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(45, 14, 10, 50), 5, 5);
    p.drawEllipse(QPointF(50, 64), 9, 9);
    p.setPen(Line(c, 4));
    for (double y : {22.0, 32.0, 42.0})
        p.drawLine(QPointF(58, y), QPointF(68, y));
    // The coolant it stands in.
    p.setBrush(Qt::NoBrush);
    for (double y : {80.0, 90.0}) {
        QPainterPath wave(QPointF(16, y));
        for (int i = 0; i < 4; ++i)
            wave.cubicTo(20 + i * 17, y - 6, 25 + i * 17, y + 6, 33 + i * 17, y);
        p.drawPath(wave);
    }
}

// A round symbol between two arcs, as the brake lamps are drawn.
void BrakeRing(QPainter& p, const QColor& c, const QString& inside, double textSize) {
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 25, 25);
    const QRectF outer(50 - 36, 50 - 36, 72, 72);
    p.drawArc(outer, 135 * 16, 90 * 16);
    p.drawArc(outer, -45 * 16, 90 * 16);
    SignKit::Text(p, QRectF(25, 25, 50, 50), inside, textSize, c);
}

void Airbag(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(30, 24), 8, 8);    // head
    p.drawEllipse(QPointF(68, 44), 17, 17);  // the bag in front of the chest
    p.setPen(Line(c, 8));
    p.drawLine(QPointF(32, 38), QPointF(38, 62));  // back
    p.drawLine(QPointF(38, 62), QPointF(60, 64));  // thigh
    p.drawLine(QPointF(60, 64), QPointF(62, 86));  // shin
    p.setPen(Line(c, 5));
    p.drawLine(QPointF(35, 44), QPointF(48, 56));  // arm
}

void SeatBelt(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(50, 20), 10, 10);
    p.drawPolygon(QPolygonF{QPointF(34, 36), QPointF(66, 36), QPointF(72, 86), QPointF(28, 86)});
    // The belt across the chest, cut out of the body.
    p.setPen(QPen(kFace, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(62, 34), QPointF(38, 72));
    p.drawLine(QPointF(38, 72), QPointF(70, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(kFace);
    p.drawRect(QRectF(34, 68, 9, 9));  // buckle
}

void FuelPump(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(26, 22, 32, 60), 3, 3);
    p.drawRect(QRectF(20, 80, 44, 6));
    p.setBrush(kFace);
    p.drawRect(QRectF(31, 28, 22, 16));  // the dial window
    p.setPen(Line(c, 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose(QPointF(58, 40));
    hose.lineTo(68, 40);
    hose.quadTo(72, 40, 72, 46);
    hose.lineTo(72, 66);
    hose.quadTo(72, 72, 77, 72);
    hose.quadTo(82, 72, 82, 66);
    hose.lineTo(82, 34);
    hose.lineTo(74, 26);
    p.drawPath(hose);
}

void DoorOpen(QPainter& p, const QColor& c) {
    // The car from above, nose up, both front doors swung open.
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(35, 12, 30, 76), 9, 9);
    p.drawLine(QPointF(35, 38), QPointF(18, 56));
    p.drawLine(QPointF(65, 38), QPointF(82, 56));
    p.setPen(Line(c, 3.5));
    p.drawLine(QPointF(39, 32), QPointF(61, 32));  // windscreen
    p.drawLine(QPointF(40, 74), QPointF(60, 74));  // rear window
}

// A headlamp with its lens on the left and its round back to the right.
void Headlamp(QPainter& p, const QColor& c, bool filled) {
    QPainterPath shell(QPointF(58, 28));
    shell.cubicTo(92, 28, 92, 72, 58, 72);
    shell.closeSubpath();
    p.setPen(Line(c));
    p.setBrush(filled ? QBrush(c) : QBrush(Qt::NoBrush));
    p.drawPath(shell);
}

void Beams(QPainter& p, const QColor& c, double drop, int count) {
    p.setPen(Line(c));
    const double top = count == 5 ? 32 : 36;
    const double step = count == 5 ? 9 : 14;
    for (int i = 0; i < count; ++i) {
        const double y = top + i * step;
        p.drawLine(QPointF(50, y), QPointF(18, y + drop));
    }
}

void Wave(QPainter& p, const QColor& c, double x) {
    QPainterPath wave(QPointF(x, 22));
    wave.cubicTo(x - 8, 36, x + 8, 50, x, 64);
    wave.cubicTo(x - 8, 72, x + 4, 80, x, 84);
    p.setPen(Line(c, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

void Engine(QPainter& p, const QColor& c) {
    QPainterPath block;
    block.moveTo(30, 40);
    block.lineTo(40, 40);
    block.lineTo(40, 32);
    block.lineTo(62, 32);
    block.lineTo(62, 40);
    block.lineTo(72, 40);
    block.lineTo(78, 48);
    block.lineTo(86, 48);
    block.lineTo(86, 38);
    block.lineTo(92, 38);
    block.lineTo(92, 72);
    block.lineTo(86, 72);
    block.lineTo(86, 62);
    block.lineTo(78, 62);
    block.lineTo(70, 72);
    block.lineTo(36, 72);
    block.lineTo(30, 64);
    block.lineTo(20, 64);
    block.lineTo(20, 72);
    block.lineTo(12, 72);
    block.lineTo(12, 42);
    block.lineTo(20, 42);
    block.lineTo(20, 50);
    block.lineTo(30, 50);
    block.closeSubpath();
    p.setPen(Line(c, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(block);
    p.drawLine(QPointF(46, 24), QPointF(56, 24));  // filler neck
    p.drawLine(QPointF(51, 24), QPointF(51, 32));
}

void TurnArrows(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (double side : {-1.0, 1.0}) {
        const double tip = 50 + side * 44;
        const double base = 50 + side * 24;
        const double tail = 50 + side * 6;
        p.drawPolygon(QPolygonF{QPointF(tip, 50), QPointF(base, 34), QPointF(base, 43), QPointF(tail, 43),
                                QPointF(tail, 57), QPointF(base, 57), QPointF(base, 66)});
    }
}

void Tyre(QPainter& p, const QColor& c) {
    // The tyre's section: open at the top where the rim sits, tread bumps along the bottom.
    QPainterPath wall(QPointF(24, 24));
    wall.cubicTo(14, 44, 16, 70, 26, 78);
    wall.lineTo(74, 78);
    wall.cubicTo(84, 70, 86, 44, 76, 24);
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wall);
    p.setPen(Line(c, 4));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(30 + i * 10, 80), QPointF(30 + i * 10, 86));
    SignKit::Text(p, QRectF(30, 28, 40, 46), QStringLiteral("!"), 40, c);
}

void PositionLamps(QPainter& p, const QColor& c) {
    p.setPen(Line(c, 4.5));
    p.setBrush(Qt::NoBrush);
    for (double side : {-1.0, 1.0}) {
        // Two small lamps back to back, each with its lens outwards and shining outwards.
        const double lens = 50 + side * 14;
        QPainterPath shell(QPointF(lens, 38));
        shell.cubicTo(lens - side * 15, 38, lens - side * 15, 62, lens, 62);
        shell.closeSubpath();
        p.drawPath(shell);
        for (double dy : {-9.0, 0.0, 9.0})
            p.drawLine(QPointF(lens + side * 6, 50 + dy), QPointF(lens + side * 20, 50 + dy * 1.6));
    }
}

// A car seen from the side, heading left, with its bonnet or its boot lid raised.
void CarWithLid(QPainter& p, const QColor& c, bool bonnet) {
    QPainterPath body(QPointF(86, 66));
    body.lineTo(86, 52);
    if (bonnet) {
        body.lineTo(72, 38);
        body.lineTo(48, 38);
        body.lineTo(38, 52);
    } else {
        body.lineTo(72, 52);  // the boot lid is up; the body ends at the rear window
        body.moveTo(72, 52);
        body.lineTo(70, 38);
        body.lineTo(48, 38);
        body.lineTo(38, 52);
        body.lineTo(16, 54);
    }
    if (bonnet) {
        body.moveTo(16, 56);
    }
    body.lineTo(16, 66);
    body.lineTo(86, 66);
    p.setPen(Line(c, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // The raised lid, hinged at the windscreen or at the roof's end.
    if (bonnet)
        p.drawLine(QPointF(38, 52), QPointF(20, 30));
    else
        p.drawLine(QPointF(72, 40), QPointF(92, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(30, 68), 7, 7);
    p.drawEllipse(QPointF(72, 68), 7, 7);
}

void WasherFluid(QPainter& p, const QColor& c) {
    // The windscreen, and the jet of washer fluid fanning up from below it.
    QPainterPath screen(QPointF(16, 32));
    screen.quadTo(50, 18, 84, 32);
    screen.lineTo(76, 74);
    screen.quadTo(50, 66, 24, 74);
    screen.closeSubpath();
    p.setPen(Line(c, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(screen);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < 7; ++i) {
        const double t = i / 6.0;
        p.drawEllipse(QPointF(30 + 40 * t, 58 - 26 * std::sin(t * 3.14159)), 2.6, 2.6);
    }
    p.drawRect(QRectF(46, 64, 8, 8));  // the nozzle
}

void Stability(QPainter& p, const QColor& c) {
    SignKit::CarRear(p, QRectF(26, 16, 48, 36), c);
    p.setPen(Line(c, 4));
    p.setBrush(Qt::NoBrush);
    for (double x : {36.0, 64.0}) {
        QPainterPath skid(QPointF(x, 58));
        skid.cubicTo(x - 10, 66, x + 10, 76, x, 86);
        p.drawPath(skid);
    }
}

void SteeringWheel(QPainter& p, const QColor& c) {
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(44, 50), 28, 28);
    p.drawEllipse(QPointF(44, 50), 7, 7);
    p.drawLine(QPointF(16, 50), QPointF(37, 50));
    p.drawLine(QPointF(51, 50), QPointF(72, 50));
    p.drawLine(QPointF(44, 57), QPointF(44, 78));
    SignKit::Text(p, QRectF(72, 30, 24, 40), QStringLiteral("!"), 36, c);
}

void GlowPlug(QPainter& p, const QColor& c) {
    // The heater coil of a diesel engine's glow plug.
    QPainterPath coil(QPointF(14, 40));
    coil.lineTo(26, 40);
    for (int i = 0; i < 5; ++i) {
        const double x = 26 + i * 10;
        coil.cubicTo(x, 62, x + 10, 62, x + 10, 40);
    }
    coil.lineTo(86, 40);
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawPath(coil);
}

void Cruise(QPainter& p, const QColor& c) {
    // A speedometer dial with its needle, and an arrow round it.
    const QRectF dial(22, 26, 50, 50);
    p.setPen(Line(c));
    p.setBrush(Qt::NoBrush);
    p.drawArc(dial, -30 * 16, 240 * 16);
    p.drawLine(QPointF(47, 51), QPointF(60, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(47, 51), 5, 5);
    QPainterPath arrow(QPointF(60, 86));
    arrow.quadTo(82, 84, 86, 64);
    Figures::Arrow(p, arrow, 4.5, 10, 14, c);
}

void Draw(QPainter& p, Lamp lamp) {
    switch (lamp) {
        case Lamp::OilPressure:
            OilCan(p, kRed);
            break;
        case Lamp::Charging:
            Battery(p, kRed);
            break;
        case Lamp::CoolantTemp:
            Thermometer(p, kRed);
            break;
        case Lamp::BrakeSystem:
            BrakeRing(p, kRed, QStringLiteral("!"), 34);
            break;
        case Lamp::Abs:
            BrakeRing(p, kAmber, QStringLiteral("ABS"), 15);
            break;
        case Lamp::ParkingBrake:
            BrakeRing(p, kRed, QStringLiteral("P"), 32);
            break;
        case Lamp::Airbag:
            Airbag(p, kRed);
            break;
        case Lamp::SeatBelt:
            SeatBelt(p, kRed);
            break;
        case Lamp::LowFuel:
            FuelPump(p, kAmber);
            break;
        case Lamp::DoorOpen:
            DoorOpen(p, kRed);
            break;
        case Lamp::MainBeam:
            Headlamp(p, kBlue, true);
            Beams(p, kBlue, 0, 5);
            break;
        case Lamp::DippedBeam:
            Headlamp(p, kGreen, false);
            Beams(p, kGreen, 10, 5);
            break;
        case Lamp::FrontFog:
            Headlamp(p, kGreen, false);
            Beams(p, kGreen, 8, 3);
            Wave(p, kGreen, 34);
            break;
        case Lamp::RearFog:
            p.save();
            p.translate(100, 0);
            p.scale(-1, 1);  // the lamp shines backwards, to the right
            Headlamp(p, kAmber, false);
            Beams(p, kAmber, 0, 3);
            Wave(p, kAmber, 34);
            p.restore();
            break;
        case Lamp::EngineFault:
            Engine(p, kAmber);
            break;
        case Lamp::HazardFlashers:
            TurnArrows(p, kGreen);
            break;
        case Lamp::TyrePressure:
            Tyre(p, kAmber);
            break;
        case Lamp::PositionLamps:
            PositionLamps(p, kGreen);
            break;
        case Lamp::BonnetOpen:
            CarWithLid(p, kRed, true);
            break;
        case Lamp::BootOpen:
            CarWithLid(p, kRed, false);
            break;
        case Lamp::WasherFluid:
            WasherFluid(p, kAmber);
            break;
        case Lamp::Stability:
            Stability(p, kAmber);
            break;
        case Lamp::SteeringFault:
            SteeringWheel(p, kRed);
            break;
        case Lamp::GlowPlug:
            GlowPlug(p, kAmber);
            break;
        case Lamp::CoolantCold:
            Thermometer(p, kBlue);
            break;
        case Lamp::Cruise:
            Cruise(p, kGreen);
            break;
    }
}

}  // namespace

QImage DashboardPainter::paint(Lamp lamp, int size) {
    return DrawOnGrid(QSize(size, size), QSizeF(100, 100), kFace, QPainter::TextAntialiasing,
                      [lamp](QPainter& p) { Draw(p, lamp); });
}
