#include "HandSignalPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "DrawOnGrid.h"
#include "Figures.h"

namespace {

using Signal = HandSignalPainter::Signal;

// Laid out on a 300 × 170 grid; the officer stands in the middle.
const QColor kShirt(150, 190, 230);
const QColor kTrousers(30, 44, 80);
const QColor kVest(200, 240, 40);
const QColor kStripe(230, 230, 230);
const QColor kSkin(236, 196, 160);
const QColor kCap(24, 36, 70);
const QColor kGlove(255, 255, 255);
const QColor kGloveEdge(150, 150, 150);
const QColor kSwing(220, 30, 30);
constexpr double kSleeve = 11;

// The shoulders as the driver sees them: the officer's right on the left of the picture.
const QPointF kRightShoulder(133, 62);
const QPointF kLeftShoulder(167, 62);

void Backdrop(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 170);
    sky.setColorAt(0, QColor(214, 230, 244));
    sky.setColorAt(1, QColor(240, 244, 248));
    p.fillRect(QRectF(0, 0, 300, 170), sky);
    p.fillRect(QRectF(0, 150, 300, 20), QColor(150, 152, 158));
}

void Body(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTrousers);
    p.drawRect(QRectF(136, 108, 13, 54));
    p.drawRect(QRectF(151, 108, 13, 54));
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(132, 158, 17, 7), 3, 3);
    p.drawRoundedRect(QRectF(151, 158, 17, 7), 3, 3);
    p.setBrush(kShirt);
    p.drawRoundedRect(QRectF(129, 56, 42, 56), 8, 8);
    // The reflective vest with its silver band.
    p.setBrush(kVest);
    p.drawPolygon(QPolygonF{QPointF(133, 60), QPointF(145, 60), QPointF(150, 76), QPointF(155, 60), QPointF(167, 60),
                            QPointF(168, 110), QPointF(132, 110)});
    p.setBrush(kStripe);
    p.drawRect(QRectF(132, 92, 36, 5));
    p.setBrush(kSkin);
    p.drawRect(QRectF(145, 46, 10, 12));
    p.drawEllipse(QPointF(150, 36), 12, 14);
    // The peaked cap.
    p.setBrush(kCap);
    p.drawRoundedRect(QRectF(136, 16, 28, 12), 5, 5);
    p.drawRect(QRectF(139, 26, 22, 4));
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(138, 29, 24, 4), 2, 2);
    p.setBrush(QColor(230, 190, 40));
    p.drawEllipse(QPointF(150, 22), 3, 3);
}

void Glove(QPainter& p, QPointF hand, double radius) {
    p.setPen(QPen(kGloveEdge, 1));
    p.setBrush(kGlove);
    p.drawEllipse(hand, radius, radius);
}

// An arm held out sideways or up or down, drawn at its full length.
void Arm(QPainter& p, QPointF shoulder, QPointF hand) {
    p.setPen(QPen(kShirt, kSleeve, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, hand);
    Glove(p, hand, 6.5);
}

// An arm hanging at the officer's side.
void Resting(QPainter& p, QPointF shoulder) {
    const double out = shoulder.x() < 150 ? -4 : 4;
    Arm(p, shoulder, shoulder + QPointF(out, 44));
}

// An arm held straight towards the driver: only the sleeve's end shows, with the open glove in front of it,
// palm to the driver; `edgeOn` turns the palm sideways.
void Forward(QPainter& p, QPointF shoulder, double drop, bool edgeOn) {
    const QPointF hand = shoulder + QPointF(shoulder.x() < 150 ? -4 : 4, drop);
    p.setPen(Qt::NoPen);
    p.setBrush(kShirt.darker(115));
    p.drawEllipse(hand, 9, 9);  // the cuff seen end-on
    p.setPen(QPen(kGloveEdge, 1));
    p.setBrush(kGlove);
    if (edgeOn) {
        p.drawRoundedRect(QRectF(hand.x() - 3.5, hand.y() - 15, 7, 22), 3, 3);
    } else {
        p.drawRoundedRect(QRectF(hand.x() - 8, hand.y() - 16, 16, 22), 5, 5);
        p.setPen(QPen(kGloveEdge, 0.8));
        for (double dx : {-3.0, 1.0, 5.0})
            p.drawLine(QPointF(hand.x() + dx - 1, hand.y() - 15), QPointF(hand.x() + dx - 1, hand.y() - 7));
    }
}

// The red arrow that shows how the hand moves, along `path`.
void Swing(QPainter& p, const QPainterPath& path) {
    Figures::Arrow(p, path, 3, 8, 10, kSwing);
}

void Swing(QPainter& p, QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    Swing(p, path);
}

// A turn signal: the arm on the side of the turn sweeps the traffic round towards the officer's chest, the other
// is held forward, palm out. Both turns are the same picture mirrored about the officer's centre line.
void Turn(QPainter& p, QPointF sweeping, QPointF holding) {
    const double side = sweeping.x() < 150 ? -1 : 1;
    const auto at = [side](double out, double y) { return QPointF(150 + side * out, y); };
    Forward(p, holding, 14, false);
    Arm(p, sweeping, at(46, 96));
    QPainterPath swing(at(56, 104));
    swing.quadTo(at(46, 124), at(16, 122));
    Swing(p, swing);
}

void Draw(QPainter& p, Signal signal) {
    Backdrop(p);
    Body(p);
    switch (signal) {
        case Signal::Stop:
            Arm(p, kLeftShoulder, QPointF(180, 12));
            Resting(p, kRightShoulder);
            break;
        case Signal::GoStraight: {
            Arm(p, kLeftShoulder, QPointF(226, 62));
            Arm(p, kRightShoulder, QPointF(74, 62));
            QPainterPath swing(QPointF(70, 78));
            swing.quadTo(92, 100, 122, 92);
            Swing(p, swing);
            break;
        }
        case Signal::TurnLeft:
            Turn(p, kLeftShoulder, kRightShoulder);
            break;
        case Signal::LeftTurnWait:
            Arm(p, kLeftShoulder, QPointF(212, 104));
            Resting(p, kRightShoulder);
            Swing(p, QPointF(230, 92), QPointF(230, 124));
            break;
        case Signal::TurnRight:
            Turn(p, kRightShoulder, kLeftShoulder);
            break;
        case Signal::ChangeLane:
            Forward(p, kRightShoulder, 14, true);
            Resting(p, kLeftShoulder);
            Swing(p, QPointF(116, 94), QPointF(150, 94));
            break;
        case Signal::SlowDown:
            Arm(p, kRightShoulder, QPointF(80, 70));
            Resting(p, kLeftShoulder);
            Swing(p, QPointF(64, 58), QPointF(64, 92));
            break;
        case Signal::PullOver:
            Arm(p, kLeftShoulder, QPointF(180, 12));
            Forward(p, kRightShoulder, 34, true);
            Swing(p, QPointF(116, 116), QPointF(150, 116));
            break;
    }
}

}  // namespace

QImage HandSignalPainter::paint(Signal signal, int width, int height) {
    return DrawOnGrid(QSize(width, height), QSizeF(300, 170), Qt::white, {},
                      [signal](QPainter& p) { Draw(p, signal); });
}
