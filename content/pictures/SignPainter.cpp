#include "SignPainter.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "Figures.h"

namespace {

// Every sign is drawn on a 100 × 100 grid and scaled to the size asked for.
const QColor kYellow(255, 204, 0);
const QColor kBlack(25, 25, 25);
const QColor kRed(206, 17, 38);
const QColor kBlue(0, 84, 166);
const QColor kWhite(Qt::white);

// An equilateral triangle around (50, centreY), shrunk by `scale` about its centre; `pointDown` turns it over.
QPolygonF Triangle(double scale, bool pointDown) {
    const double side = 94 * scale;
    const double height = side * std::sqrt(3.0) / 2;
    const double centreY = pointDown ? 36 : 64;  // the centroid, so the sign fills the square evenly
    const double tipY = pointDown ? centreY + height * 2 / 3 : centreY - height * 2 / 3;
    const double baseY = pointDown ? centreY - height / 3 : centreY + height / 3;
    return {QPointF(50, tipY), QPointF(50 + side / 2, baseY), QPointF(50 - side / 2, baseY)};
}

// Fills the triangle with rounded corners, as pressed sign plates have them.
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

void ProhibitionPlate(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(50, 50), 37, 37);
}

// The red bar from upper left to lower right that forbids what the symbol shows; drawn over the symbol.
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

void Text(QPainter& p, const QRectF& box, const QString& text, const QString& family, double pixelSize,
          const QColor& colour, int stretch = QFont::Unstretched) {
    QFont font(family);
    font.setPixelSize(int(pixelSize));
    font.setBold(true);
    font.setStretch(stretch);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// A horn: mouthpiece on the left, the bell opening to the right.
void Horn(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{QPointF(24, 45), QPointF(40, 45), QPointF(66, 31), QPointF(66, 69), QPointF(40, 55),
                            QPointF(24, 55)});
    p.drawEllipse(QRectF(62, 30, 10, 40));
    p.drawRoundedRect(QRectF(20, 42, 7, 16), 2, 2);
}

// The sign painted on an image that can be scaled freely; the grid is 100 × 100.
void Draw(QPainter& p, SignPainter::Sign sign) {
    using Sign = SignPainter::Sign;
    const QString hei = QStringLiteral("WenQuanYi Zen Hei");
    switch (sign) {
        case Sign::WatchPedestrians:
            WarningPlate(p);
            Figures::Walker(p, QPointF(48, 81), 38, kBlack);
            break;
        case Sign::SharpLeftCurve: {
            WarningPlate(p);
            QPainterPath shaft(QPointF(58, 84));
            shaft.lineTo(58, 58);
            shaft.quadTo(58, 45, 45, 45);
            Figures::Arrow(p, shaft, 8, 12, 20, kBlack);
            break;
        }
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
            Horn(p);
            ProhibitionBar(p);
            break;
        case Sign::SpeedLimit40:
            ProhibitionPlate(p);
            Text(p, QRectF(13, 13, 74, 74), QStringLiteral("40"), QStringLiteral("DejaVu Sans"), 40, kBlack,
                 QFont::Condensed);
            break;
        case Sign::NoLeftTurn: {
            ProhibitionPlate(p);
            QPainterPath shaft(QPointF(58, 80));
            shaft.lineTo(58, 55);
            shaft.quadTo(58, 43, 44, 43);
            Figures::Arrow(p, shaft, 9, 13, 22, kBlack);
            ProhibitionBar(p);
            break;
        }
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
            Text(p, QRectF(10, 10, 80, 80), QStringLiteral("停"), hei, 48, kWhite);
            break;
        }
        case Sign::Yield:
            RoundedTriangle(p, 1.0, true, kRed);
            RoundedTriangle(p, 0.7, true, kWhite);
            Text(p, QRectF(28, 14, 44, 44), QStringLiteral("让"), hei, 30, kBlack);
            break;
        case Sign::StraightOnly: {
            MandatoryPlate(p);
            QPainterPath shaft(QPointF(50, 82));
            shaft.lineTo(50, 42);
            Figures::Arrow(p, shaft, 14, 24, 36, kWhite);
            break;
        }
        case Sign::KeepRight: {
            MandatoryPlate(p);
            QPainterPath shaft(QPointF(27, 27));
            shaft.lineTo(57, 57);
            Figures::Arrow(p, shaft, 13, 20, 32, kWhite);
            break;
        }
        case Sign::Roundabout: {
            MandatoryPlate(p);
            const QRectF ring(27, 27, 46, 46);
            for (int start : {20, 140, 260}) {
                QPainterPath shaft;
                shaft.arcMoveTo(ring, start);
                shaft.arcTo(ring, start, 78);
                Figures::Arrow(p, shaft, 8, 11, 18, kWhite);
            }
            break;
        }
    }
}

}  // namespace

QImage SignPainter::paint(Sign sign, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 100.0, size / 100.0);
    Draw(p, sign);
    return image;
}
