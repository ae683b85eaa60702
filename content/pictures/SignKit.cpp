#include "SignKit.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Figures.h"

namespace SignKit {

namespace {

// An equilateral triangle around (50, centreY), shrunk by `scale` about its centre; `pointDown` turns it over.
QPolygonF Triangle(double scale, bool pointDown) {
    const double side = 94 * scale;
    const double height = side * std::sqrt(3.0) / 2;
    const double centreY = pointDown ? 36 : 64;  // the centroid, so the sign fills the square evenly
    const double tipY = pointDown ? centreY + height * 2 / 3 : centreY - height * 2 / 3;
    const double baseY = pointDown ? centreY - height / 3 : centreY + height / 3;
    return {QPointF(50, tipY), QPointF(50 + side / 2, baseY), QPointF(50 - side / 2, baseY)};
}

}  // namespace

void RoundedTriangle(QPainter& p, double scale, bool pointDown, const QColor& colour) {
    p.setPen(QPen(colour, 6 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    p.drawPolygon(Triangle(scale * 0.96, pointDown));
}

void WarningPlate(QPainter& p) {
    RoundedTriangle(p, 1.0, false, kYellow);
    RoundedTriangle(p, 0.92, false, kBlack);
    RoundedTriangle(p, 0.76, false, kYellow);
}

void ProhibitionPlate(QPainter& p, const QColor& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setBrush(fill);
    p.drawEllipse(QPointF(50, 50), 37, 37);
}

void ProhibitionBar(QPainter& p) {
    p.save();
    QPainterPath inside;
    inside.addEllipse(QPointF(50, 50), 38, 38);
    p.setClipPath(inside);
    p.setPen(QPen(kRed, 8, Qt::SolidLine, Qt::FlatCap));
    const double reach = 38 * std::numbers::sqrt2 / 2;
    p.drawLine(QPointF(50 - reach, 50 - reach), QPointF(50 + reach, 50 + reach));
    p.restore();
}

void MandatoryPlate(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setPen(QPen(kWhite, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 45, 45);
}

void Board(QPainter& p, const QRectF& box, const QColor& fill, const QColor& rim) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QPen(rim, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(2.5, 2.5, -2.5, -2.5), 2.5, 2.5);
}

void Text(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& colour, bool condensed) {
    const bool chinese = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2e80; });
    QFont font(chinese ? QStringLiteral("WenQuanYi Zen Hei") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(true);
    font.setStretch(condensed ? QFont::Condensed : QFont::Unstretched);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

namespace {

// Maps the pictogram's own 100 × 60 design box onto `box`.
void FitDesign(QPainter& p, const QRectF& box) {
    p.translate(box.topLeft());
    p.scale(box.width() / 100, box.height() / 60);
}

void Wheel(QPainter& p, QPointF centre, double radius, double rim, const QColor& colour) {
    p.setPen(QPen(colour, rim));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, rim * 0.9, rim * 0.9);
}

// A solid tyre of `colour` with a white hub: the wheels of the car and truck outlines.
void SolidWheel(QPainter& p, QPointF centre, double radius, double hub, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(kWhite);
    p.drawEllipse(centre, hub, hub);
}

}  // namespace

void Horn(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(
        QPolygonF{QPointF(10, 24), QPointF(42, 24), QPointF(90, 2), QPointF(90, 58), QPointF(42, 36), QPointF(10, 36)});
    p.drawRoundedRect(QRectF(2, 18, 12, 24), 3, 3);
    p.restore();
}

void Truck(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(32, 4, 66, 38), 2, 2);  // the box
    p.drawPolygon(QPolygonF{QPointF(4, 44), QPointF(4, 26), QPointF(12, 12), QPointF(29, 12), QPointF(29, 44)});  // cab
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{QPointF(9, 27), QPointF(14, 17), QPointF(25, 17), QPointF(25, 27)});  // window
    p.setBrush(colour);
    p.drawRect(QRectF(4, 42, 94, 6));
    for (double x : {16.0, 66.0, 84.0}) {
        SolidWheel(p, QPointF(x, 50), 9, 3, colour);
    }
    p.restore();
}

void Motorcycle(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    Wheel(p, QPointF(18, 44), 13, 4.5, colour);
    Wheel(p, QPointF(82, 44), 13, 4.5, colour);
    p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(18, 44), QPointF(28, 12));                                  // the front fork
    p.drawLine(QPointF(28, 12), QPointF(20, 8));                                   // handlebar
    p.drawPolyline(QPolygonF{QPointF(32, 22), QPointF(44, 40), QPointF(82, 44)});  // frame and swing arm
    p.drawLine(QPointF(62, 22), QPointF(70, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{QPointF(30, 18), QPointF(50, 13), QPointF(58, 24), QPointF(34, 26)});  // tank
    p.drawRoundedRect(QRectF(54, 16, 32, 7), 3, 3);                                                // seat
    p.drawRoundedRect(QRectF(38, 27, 22, 14), 2, 2);                                               // engine
    p.restore();
}

void Bicycle(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    Wheel(p, QPointF(20, 42), 15, 3.5, colour);
    Wheel(p, QPointF(80, 42), 15, 3.5, colour);
    p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(80, 42), QPointF(52, 42), QPointF(64, 18), QPointF(80, 42)});
    p.drawPolyline(QPolygonF{QPointF(52, 42), QPointF(30, 18), QPointF(64, 18)});
    p.drawLine(QPointF(20, 42), QPointF(28, 12));  // fork
    p.drawLine(QPointF(28, 12), QPointF(20, 10));  // handlebar
    p.drawLine(QPointF(64, 18), QPointF(66, 10));
    p.drawLine(QPointF(60, 10), QPointF(72, 10));  // saddle
    p.restore();
}

void CarSide(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPainterPath body;
    body.moveTo(4, 44);
    body.lineTo(4, 30);
    body.quadTo(6, 26, 18, 24);
    body.lineTo(30, 10);
    body.lineTo(70, 10);
    body.lineTo(84, 24);
    body.quadTo(96, 26, 96, 32);
    body.lineTo(96, 44);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{QPointF(24, 24), QPointF(33, 14), QPointF(48, 14), QPointF(48, 24)});
    p.drawPolygon(QPolygonF{QPointF(52, 24), QPointF(52, 14), QPointF(68, 14), QPointF(77, 24)});
    for (double x : {24.0, 76.0}) {
        SolidWheel(p, QPointF(x, 46), 10, 3.5, colour);
    }
    p.restore();
}

void CarRear(QPainter& p, const QRectF& box, const QColor& colour) {
    p.save();
    FitDesign(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(6, 50, 16, 10), 2, 2);  // tyres
    p.drawRoundedRect(QRectF(78, 50, 16, 10), 2, 2);
    p.drawPolygon(QPolygonF{QPointF(22, 4), QPointF(78, 4), QPointF(88, 24), QPointF(12, 24)});  // cabin
    p.drawRoundedRect(QRectF(2, 22, 96, 32), 5, 5);                                              // body
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{QPointF(26, 9), QPointF(74, 9), QPointF(81, 22), QPointF(19, 22)});  // rear window
    p.drawRect(QRectF(36, 38, 28, 8));                                                           // number plate
    p.restore();
}

void PolyArrow(QPainter& p, const QList<QPointF>& points, double width, double headLength, double headWidth,
               const QColor& colour) {
    QPainterPath shaft(points.front());
    for (qsizetype i = 1; i < points.size(); ++i)
        shaft.lineTo(points[i]);
    Figures::Arrow(p, shaft, width, headLength, headWidth, colour);
}

}  // namespace SignKit
