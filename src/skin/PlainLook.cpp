#include "skin/PlainLook.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace PlainLook {

void PaintRaised(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom, int radius) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, gradient);
    painter.setPen(kBorder);
    painter.drawPath(path);
    painter.restore();
}

void PaintButtonFace(QPainter& painter, const QRect& rect, bool hot, bool down, int radius) {
    if (down) {
        PaintRaised(painter, rect, kDownTop, kDownBottom, radius);
    } else if (hot) {
        PaintRaised(painter, rect, kHotTop, kHotBottom, radius);
    } else {
        PaintRaised(painter, rect, kFaceTop, kFaceBottom, radius);
    }
}

}  // namespace PlainLook
