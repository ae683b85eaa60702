#include "BannerPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Where the tyres touch the ground; everything stays above y = 120 because the exam buttons cover the strip below.
constexpr qreal kGround = 113;

const QColor kOutline(38, 50, 72);
const QColor kGlass(164, 210, 242);
const QColor kGlassShine(214, 236, 252);
const QColor kTyre(52, 56, 66);
const QColor kRim(200, 208, 218);
const QColor kHeadLamp(255, 218, 92);
const QColor kTailLamp(232, 72, 60);
const QColor kShadow(204, 219, 236);
const QColor kSteel(150, 160, 174);

void outlined(QPainter& p, const QColor& fill, qreal width = 2) {
    p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
}

void groundShadow(QPainter& p, qreal left, qreal right) {
    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawEllipse(QRectF(left, kGround - 3, right - left, 7));
}

// A tyre resting on the ground at x; returns its centre.
QPointF wheel(QPainter& p, qreal x, qreal radius, const QColor& rim = kRim) {
    const QPointF centre(x, kGround - radius);
    outlined(p, kTyre);
    p.drawEllipse(centre, radius, radius);
    outlined(p, rim, 1.5);
    p.drawEllipse(centre, radius * 0.55, radius * 0.55);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(centre, radius * 0.16, radius * 0.16);
    return centre;
}

void window(QPainter& p, const QPolygonF& shape) {
    outlined(p, kGlass, 1.5);
    p.drawPolygon(shape);
    // One diagonal glint reads as glass without any gradients.
    const QRectF box = shape.boundingRect();
    QPainterPath glint;
    glint.moveTo(box.left() + box.width() * 0.25, box.bottom() - 2);
    glint.lineTo(box.left() + box.width() * 0.45, box.bottom() - 2);
    glint.lineTo(box.left() + box.width() * 0.75, box.top() + 2);
    glint.lineTo(box.left() + box.width() * 0.55, box.top() + 2);
    glint.closeSubpath();
    p.save();
    QPainterPath clip;
    clip.addPolygon(shape);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(kGlassShine);
    p.drawPath(glint);
    p.restore();
}

void windowRect(QPainter& p, const QRectF& rect) {
    window(p, QPolygonF(rect));
}

void lamp(QPainter& p, const QRectF& rect, const QColor& colour) {
    outlined(p, colour, 1.2);
    p.drawRoundedRect(rect, 1.5, 1.5);
}

void car(QPainter& p, qreal cx) {
    const QColor body(228, 70, 64);
    const qreal x = cx - 56;
    groundShadow(p, x - 2, x + 114);

    QPainterPath shell;
    shell.moveTo(x, 102);
    shell.lineTo(x, 84);
    shell.quadTo(x, 77, x + 8, 76);
    shell.lineTo(x + 24, 74);
    shell.lineTo(x + 36, 57);
    shell.quadTo(x + 38, 55, x + 42, 55);
    shell.lineTo(x + 70, 55);
    shell.quadTo(x + 74, 55, x + 77, 58);
    shell.lineTo(x + 90, 73);
    shell.lineTo(x + 104, 76);
    shell.quadTo(x + 112, 78, x + 112, 86);
    shell.lineTo(x + 112, 102);
    shell.closeSubpath();
    outlined(p, body);
    p.drawPath(shell);

    window(p, QPolygonF({{x + 28, 73}, {x + 39, 60}, {x + 54, 60}, {x + 54, 73}}));
    window(p, QPolygonF({{x + 58, 73}, {x + 58, 60}, {x + 72, 60}, {x + 83, 73}}));
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(QPointF(x + 56, 76), QPointF(x + 56, 98));
    p.drawLine(QPointF(x + 46, 81), QPointF(x + 51, 81));
    p.drawLine(QPointF(x + 61, 81), QPointF(x + 66, 81));
    lamp(p, QRectF(x + 104, 80, 7, 5), kHeadLamp);
    lamp(p, QRectF(x + 1, 80, 5, 6), kTailLamp);
    outlined(p, kSteel, 1.5);
    p.drawRoundedRect(QRectF(x - 1, 95, 10, 5), 2, 2);
    p.drawRoundedRect(QRectF(x + 103, 95, 11, 5), 2, 2);

    wheel(p, x + 26, 13);
    wheel(p, x + 88, 13);
}

void bus(QPainter& p, qreal cx) {
    const QColor body(252, 186, 44);
    const QColor band(255, 238, 176);
    const qreal x = cx - 63;
    groundShadow(p, x - 2, x + 128);

    outlined(p, body);
    p.drawRoundedRect(QRectF(x, 36, 126, 68), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(x + 1.5, 78, 123, 7));
    outlined(p, Qt::transparent, 1.5);
    p.drawLine(QPointF(x + 1, 78), QPointF(x + 125, 78));
    p.drawLine(QPointF(x + 1, 85), QPointF(x + 125, 85));

    for (int i = 0; i < 5; ++i) {
        windowRect(p, QRectF(x + 7 + i * 18, 45, 15, 24));
    }
    // Entry door ahead of the front axle, the way city buses board.
    outlined(p, kGlass, 1.5);
    p.drawRect(QRectF(x + 99, 45, 13, 52));
    p.drawLine(QPointF(x + 105.5, 45), QPointF(x + 105.5, 97));
    window(p, QPolygonF({{x + 115, 44}, {x + 122, 44}, {x + 124, 50}, {x + 124, 72}, {x + 115, 72}}));
    outlined(p, kOutline, 1);
    p.drawRoundedRect(QRectF(x + 20, 38.5, 60, 3), 1.5, 1.5);
    lamp(p, QRectF(x + 119, 89, 6, 6), kHeadLamp);
    lamp(p, QRectF(x + 1, 89, 5, 7), kTailLamp);

    wheel(p, x + 24, 13);
    wheel(p, x + 84, 13);
}

void truck(QPainter& p, qreal cx) {
    const QColor cab(58, 112, 206);
    const QColor box(222, 228, 236);
    const qreal x = cx - 63;
    groundShadow(p, x - 2, x + 128);

    outlined(p, kSteel);
    p.drawRect(QRectF(x + 2, 92, 122, 8));

    outlined(p, box);
    p.drawRoundedRect(QRectF(x, 34, 84, 60), 3, 3);
    p.setPen(QPen(box.darker(118), 1.2));
    for (int i = 1; i < 6; ++i) {
        p.drawLine(QPointF(x + i * 14, 37), QPointF(x + i * 14, 91));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(cab);
    p.drawRect(QRectF(x + 1, 78, 82, 6));
    outlined(p, Qt::transparent);
    p.drawRoundedRect(QRectF(x, 34, 84, 60), 3, 3);

    QPainterPath cabin;
    cabin.moveTo(x + 88, 100);
    cabin.lineTo(x + 88, 50);
    cabin.quadTo(x + 88, 46, x + 92, 46);
    cabin.lineTo(x + 108, 46);
    cabin.quadTo(x + 112, 46, x + 114, 50);
    cabin.lineTo(x + 124, 70);
    cabin.quadTo(x + 126, 73, x + 126, 78);
    cabin.lineTo(x + 126, 100);
    cabin.closeSubpath();
    outlined(p, cab);
    p.drawPath(cabin);
    window(p, QPolygonF({{x + 95, 52}, {x + 109, 52}, {x + 118, 70}, {x + 95, 70}}));
    p.setPen(QPen(kOutline, 1.5));
    p.drawLine(QPointF(x + 92, 74), QPointF(x + 92, 96));
    p.drawLine(QPointF(x + 97, 78), QPointF(x + 102, 78));
    lamp(p, QRectF(x + 119, 84, 7, 6), kHeadLamp);
    lamp(p, QRectF(x - 1, 86, 5, 6), kTailLamp);

    wheel(p, x + 20, 12);
    wheel(p, x + 46, 12);
    wheel(p, x + 106, 12);
}

void tractor(QPainter& p, qreal cx) {
    const QColor body(62, 160, 84);
    const QColor rims(250, 204, 60);
    // The big drive wheel sits behind the cab, so the tractor's visual middle is right of its frame's middle.
    const qreal x = cx - 52;
    groundShadow(p, x - 2, x + 114);

    // Bonnet and the body under the cab.
    outlined(p, body);
    QPainterPath bonnet;
    bonnet.moveTo(x + 30, 92);
    bonnet.lineTo(x + 30, 66);
    bonnet.lineTo(x + 102, 66);
    bonnet.quadTo(x + 110, 66, x + 110, 74);
    bonnet.lineTo(x + 110, 88);
    bonnet.quadTo(x + 110, 92, x + 106, 92);
    bonnet.closeSubpath();
    p.drawPath(bonnet);
    p.setPen(QPen(kOutline, 1.2));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(x + 104, 71 + i * 6), QPointF(x + 109, 71 + i * 6));
    }
    outlined(p, kSteel, 1.5);
    p.drawRect(QRectF(x + 84, 44, 5, 22));
    outlined(p, kOutline, 1);
    p.drawRect(QRectF(x + 83, 42, 7, 3));
    lamp(p, QRectF(x + 96, 69, 6, 5), kHeadLamp);

    // Cab with a roof that overhangs the frame.
    outlined(p, body);
    p.drawRect(QRectF(x + 6, 34, 40, 36));
    windowRect(p, QRectF(x + 10, 38, 32, 28));
    outlined(p, body.darker(125));
    p.drawRoundedRect(QRectF(x + 1, 28, 50, 7), 2, 2);

    const QPointF drive = wheel(p, x + 24, 25, rims);
    // Chunky lugs make the drive wheel read as a tractor tyre rather than a car wheel.
    p.setPen(Qt::NoPen);
    p.setBrush(kTyre);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.translate(drive);
        p.rotate(i * 360.0 / 16);
        p.drawRect(QRectF(24, -2.5, 3, 5));
        p.restore();
    }
    // Mudguard arching over the big drive wheel, in front of the cab but clear of the tread.
    const QRectF outer(drive.x() - 32, drive.y() - 32, 64, 64);
    const QRectF inner(drive.x() - 28, drive.y() - 28, 56, 56);
    QPainterPath guard;
    guard.arcMoveTo(outer, 175);
    guard.arcTo(outer, 175, -170);
    guard.arcTo(inner, 5, 170);
    guard.closeSubpath();
    outlined(p, body, 1.5);
    p.drawPath(guard);

    wheel(p, x + 94, 13, rims);
}

void motorcycle(QPainter& p, qreal cx) {
    const QColor body(134, 82, 204);
    const qreal x = cx - 50;
    groundShadow(p, x - 2, x + 102);

    // Exhaust runs under everything else.
    outlined(p, kSteel, 1.5);
    QPainterPath exhaust;
    exhaust.moveTo(x + 44, 90);
    exhaust.lineTo(x + 8, 86);
    exhaust.lineTo(x + 8, 80);
    exhaust.lineTo(x + 44, 84);
    exhaust.closeSubpath();
    p.drawPath(exhaust);

    const QPointF rear = wheel(p, x + 17, 17);
    const QPointF front = wheel(p, x + 83, 17);

    // Frame and forks drawn as thick strokes with a dark edge.
    auto strut = [&p](const QPolygonF& line, qreal width, const QColor& colour) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kOutline, width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
    };
    strut(QPolygonF({rear, {x + 44, 86}, {x + 70, 62}}), 4, body.darker(120));
    strut(QPolygonF(QList<QPointF>{front, QPointF(x + 71, 54)}), 4, kSteel);

    outlined(p, kSteel.darker(115));
    p.drawRoundedRect(QRectF(x + 36, 72, 22, 18), 3, 3);
    p.setPen(QPen(kOutline, 1));
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(x + 40, 77 + i * 4), QPointF(x + 54, 77 + i * 4));
    }

    QPainterPath tail;
    tail.moveTo(x + 2, 66);
    tail.quadTo(x + 14, 62, x + 36, 66);
    tail.lineTo(x + 38, 74);
    tail.lineTo(x + 12, 74);
    tail.quadTo(x + 4, 74, x + 2, 66);
    outlined(p, body);
    p.drawPath(tail);
    outlined(p, QColor(60, 62, 74));
    p.drawRoundedRect(QRectF(x + 10, 59, 30, 7), 3.5, 3.5);

    QPainterPath tank;
    tank.moveTo(x + 38, 72);
    tank.quadTo(x + 38, 56, x + 52, 55);
    tank.lineTo(x + 64, 56);
    tank.quadTo(x + 72, 58, x + 70, 68);
    tank.lineTo(x + 64, 74);
    tank.closeSubpath();
    outlined(p, body);
    p.drawPath(tank);

    outlined(p, body);
    QPainterPath fender;
    fender.arcMoveTo(QRectF(front.x() - 20, front.y() - 20, 40, 40), 150);
    fender.arcTo(QRectF(front.x() - 20, front.y() - 20, 40, 40), 150, -110);
    fender.arcTo(QRectF(front.x() - 17, front.y() - 17, 34, 34), 40, 110);
    fender.closeSubpath();
    p.drawPath(fender);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 68, 52), QPointF(x + 76, 48));
    p.setPen(QPen(QColor(60, 62, 74), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 62, 50), QPointF(x + 70, 52));

    outlined(p, kHeadLamp, 1.5);
    p.drawEllipse(QPointF(x + 80, 60), 5, 5);
    lamp(p, QRectF(x, 63, 5, 5), kTailLamp);
}

}  // namespace

QColor BannerPainter::background() {
    return QColor(237, 246, 255);
}

QImage BannerPainter::paint() {
    // Vehicles go onto their own transparent layer first so the result can be checked for the background colour.
    QImage layer(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        // Centres of the five exam buttons below, in banner coordinates.
        car(p, 76);
        bus(p, 212);
        truck(p, 356);
        tractor(p, 484);
        motorcycle(p, 604);
    }

    QImage banner(kWidth, kHeight, QImage::Format_RGB888);
    banner.fill(background());
    {
        QPainter p(&banner);
        p.drawImage(0, 0, layer);
    }
    // A drawn pixel that happens to land exactly on the key colour would be punched out; nudge it off by one step.
    const QRgb key = background().rgb();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (qAlpha(layer.pixel(x, y)) != 0 && banner.pixel(x, y) == key) {
                banner.setPixel(x, y, qRgb(qRed(key), qGreen(key), qBlue(key) - 1));
            }
        }
    }
    return banner;
}
