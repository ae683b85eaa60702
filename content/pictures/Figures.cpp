#include "Figures.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace Figures {

void Walker(QPainter& painter, QPointF feet, double height, const QColor& colour) {
    const double h = height;
    const QPointF hip = feet + QPointF(0, -0.45 * h);
    const QPointF neck = feet + QPointF(0.06 * h, -0.8 * h);
    painter.save();
    painter.setPen(QPen(colour, 0.11 * h, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    // Legs in mid-stride, the back one bent at the knee.
    painter.drawPolyline(QPolygonF{hip, hip + QPointF(0.14 * h, 0.22 * h), feet + QPointF(0.22 * h, 0)});
    painter.drawPolyline(QPolygonF{hip, hip + QPointF(-0.08 * h, 0.22 * h), feet + QPointF(-0.2 * h, -0.02 * h)});
    painter.drawLine(hip, neck);
    // Arms swing against the legs.
    const QPointF shoulder = neck + QPointF(-0.01 * h, 0.06 * h);
    painter.drawPolyline(
        QPolygonF{shoulder, shoulder + QPointF(0.12 * h, 0.14 * h), shoulder + QPointF(0.2 * h, 0.28 * h)});
    painter.drawPolyline(
        QPolygonF{shoulder, shoulder + QPointF(-0.1 * h, 0.15 * h), shoulder + QPointF(-0.14 * h, 0.3 * h)});
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(neck + QPointF(0.03 * h, -0.11 * h), 0.1 * h, 0.1 * h);
    painter.restore();
}

void Arrow(QPainter& painter, const QPainterPath& shaft, double width, double headLength, double headWidth,
           const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shaft);

    // Path angles run anticlockwise from three o'clock with y pointing up; the screen's y points down.
    const double angle = shaft.angleAtPercent(1) * std::numbers::pi / 180;
    const QPointF direction(std::cos(angle), -std::sin(angle));
    const QPointF across(-direction.y(), direction.x());
    const QPointF end = shaft.pointAtPercent(1) - direction * 0.5;  // overlap the shaft so no seam shows
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF{end + across * (headWidth / 2), end + direction * headLength, end - across * (headWidth / 2)});
    painter.restore();
}

}  // namespace Figures
