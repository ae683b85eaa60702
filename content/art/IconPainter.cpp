#include "IconPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <utility>

QImage IconPainter::paint(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 256-unit grid and scaled, so every size comes from the same shapes.
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient tileFill(0, 8, 0, 248);
    tileFill.setColorAt(0, QColor(66, 146, 232));
    tileFill.setColorAt(1, QColor(24, 84, 178));
    p.setPen(QPen(QColor(18, 60, 130), 4));
    p.setBrush(tileFill);
    p.drawRoundedRect(QRectF(10, 10, 236, 236), 48, 48);

    const QPointF centre(128, 132);
    const QColor rim(250, 252, 255);
    const QColor shade(14, 46, 104, 90);

    // A soft offset copy of the wheel gives depth without a blur.
    for (const auto& [offset, colour] : {std::pair{QPointF(0, 6), shade}, std::pair{QPointF(0, 0), rim}}) {
        const QPointF c = centre + offset;
        QPainterPath hole;
        hole.addEllipse(c, 68, 68);
        QPainterPath spokesAndHub;
        spokesAndHub.addEllipse(c, 24, 24);
        spokesAndHub.addRect(QRectF(c.x() - 70, c.y() - 9, 140, 18));
        spokesAndHub.addRect(QRectF(c.x() - 9, c.y(), 18, 70));
        QPainterPath ring;
        ring.addEllipse(c, 90, 90);
        const QPainterPath shape = ring.subtracted(hole).united(spokesAndHub);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(shape);
    }

    // Hub badge in road-sign amber.
    p.setBrush(QColor(255, 196, 40));
    p.drawEllipse(centre, 13, 13);
    return icon;
}
