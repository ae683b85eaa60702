#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// Shapes that the signs and the road scenes share.
namespace Figures {

// A person walking to the right, drawn with round-capped strokes; `feet` is the point between the feet.
void Walker(QPainter& painter, QPointF feet, double height, const QColor& colour);

// Strokes `shaft` at `width` and puts a filled head at its end, pointing the way the shaft ends.
void Arrow(QPainter& painter, const QPainterPath& shaft, double width, double headLength, double headWidth,
           const QColor& colour);

}  // namespace Figures
