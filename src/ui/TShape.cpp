#include "ui/TShape.h"

#include <QPainter>

TShape::TShape(const QColor& fill, const QColor& outline, QWidget* parent)
    : QWidget(parent), fill_(fill), outline_(outline) {}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(outline_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
