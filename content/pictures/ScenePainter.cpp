#include "ScenePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include "Figures.h"

namespace {

const QColor kRoad(104, 106, 112);
const QColor kLine(245, 245, 245);
const QColor kYellowLine(238, 186, 0);
const QColor kGrass(116, 166, 84);
const QColor kRed(206, 17, 38);

// Ground positions in road terms: `across` is -1 at the left road edge and +1 at the right one; `depth` is the
// distance ahead, 1 at the bottom of the picture, growing towards the horizon.
class View {
public:
    View(int width, int height) : width_(width), height_(height), horizon_(height * 0.36) {}

    QPointF At(double across, double depth) const {
        return {width_ / 2.0 + across * width_ * 0.47 / depth, horizon_ + (height_ - horizon_) / depth};
    }
    // How many pixels one road half-width measures at this depth; sizes things standing on the road.
    double Scale(double depth) const { return width_ * 0.47 / depth; }
    double Horizon() const { return horizon_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // A patch of ground between two positions across and two depths.
    QPolygonF Patch(double across1, double across2, double depth1, double depth2) const {
        return {At(across1, depth1), At(across2, depth1), At(across2, depth2), At(across1, depth2)};
    }

private:
    int width_;
    int height_;
    double horizon_;
};

constexpr double kFar = 60;

void Fill(QPainter& p, const QPolygonF& shape, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(shape);
}

void Landscape(QPainter& p, const View& v) {
    QLinearGradient sky(0, 0, 0, v.Horizon());
    sky.setColorAt(0, QColor(118, 176, 228));
    sky.setColorAt(1, QColor(214, 232, 246));
    p.fillRect(QRectF(0, 0, v.Width(), v.Horizon()), sky);
    QLinearGradient field(0, v.Horizon(), 0, v.Height());
    field.setColorAt(0, QColor(150, 186, 120));
    field.setColorAt(1, kGrass);
    p.fillRect(QRectF(0, v.Horizon(), v.Width(), v.Height() - v.Horizon()), field);
    // A line of distant trees hides the hard edge of the horizon.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(78, 128, 70));
    for (int x = -6; x < v.Width(); x += 11) {
        p.drawEllipse(QPointF(x, v.Horizon() - 2), 8, 5 + (x * 7) % 4);
    }
}

void Road(QPainter& p, const View& v, double left = -1, double right = 1) {
    Fill(p, v.Patch(left, right, 1, kFar), kRoad);
}

// Lane line along the road at `across`; dashes when `dash` is given, in depth units of dash and gap.
void LaneLine(QPainter& p, const View& v, double across, const QColor& colour, double from = 1, double to = kFar,
              double dash = 0) {
    constexpr double kHalfWidth = 0.018;
    if (dash <= 0) {
        Fill(p, v.Patch(across - kHalfWidth, across + kHalfWidth, from, to), colour);
        return;
    }
    // Dashes and gaps grow with the distance, so the line looks even in perspective.
    double d = from;
    while (d < to) {
        Fill(p, v.Patch(across - kHalfWidth, across + kHalfWidth, d, d + dash * d / from), colour);
        d += dash * 2.5 * d / from;
    }
}

void ZebraStripes(QPainter& p, const View& v, double left, double right, double near, double far) {
    for (double a = left + 0.04; a + 0.12 <= right; a += 0.2) {
        Fill(p, v.Patch(a, a + 0.12, near, far), kLine);
    }
}

void Pole(QPainter& p, QPointF foot, double height, double width) {
    p.setPen(QPen(QColor(90, 90, 90), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(foot, foot - QPointF(0, height));
}

void CrossroadsRedLight(QPainter& p, const View& v) {
    Road(p, v);
    Fill(p,
         QPolygonF{QPointF(0, v.At(0, 3.4).y()), QPointF(v.Width(), v.At(0, 3.4).y()),
                   QPointF(v.Width(), v.At(0, 2.4).y()), QPointF(0, v.At(0, 2.4).y())},
         kRoad);
    LaneLine(p, v, -0.03, kYellowLine, 1, 1.75);
    LaneLine(p, v, 0.03, kYellowLine, 1, 1.75);
    LaneLine(p, v, -0.03, kYellowLine, 3.6, kFar);
    LaneLine(p, v, 0.03, kYellowLine, 3.6, kFar);
    Fill(p, v.Patch(0.05, 1, 1.75, 1.81), kLine);  // the stop line across our half
    ZebraStripes(p, v, -1, 1, 1.95, 2.25);

    // The signal hangs over our lanes from a pole at the right-hand corner.
    const double depth = 2.3;
    const double s = v.Scale(depth);
    const QPointF foot = v.At(1.2, depth);
    Pole(p, foot, s * 0.95, s * 0.05);
    const QPointF armEnd = foot + QPointF(-s * 0.9, -s * 0.9);
    p.drawLine(foot + QPointF(0, -s * 0.9), armEnd);
    const QRectF head(armEnd.x() - s * 0.08, armEnd.y(), s * 0.16, s * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(head, s * 0.03, s * 0.03);
    const QColor lamps[] = {QColor(255, 40, 30), QColor(90, 70, 20), QColor(20, 70, 40)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lamps[i]);
        p.drawEllipse(QPointF(head.center().x(), head.top() + s * (0.075 + 0.135 * i)), s * 0.055, s * 0.055);
    }
    // A halo makes the lit lamp read as lit.
    QRadialGradient glow(QPointF(head.center().x(), head.top() + s * 0.075), s * 0.14);
    glow.setColorAt(0, QColor(255, 80, 60, 150));
    glow.setColorAt(1, QColor(255, 80, 60, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(head.center().x(), head.top() + s * 0.075), s * 0.14, s * 0.14);
}

// A square blue sign on a post with a white triangle and a walker: a pedestrian crossing ahead.
void CrossingSign(QPainter& p, const View& v, double across, double depth) {
    const double s = v.Scale(depth);
    const QPointF foot = v.At(across, depth);
    Pole(p, foot, s * 0.55, s * 0.04);
    const QRectF plate(foot.x() - s * 0.16, foot.y() - s * 0.85, s * 0.32, s * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 84, 166));
    p.drawRect(plate);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(plate.center().x(), plate.top() + s * 0.03),
                            QPointF(plate.right() - s * 0.03, plate.bottom() - s * 0.04),
                            QPointF(plate.left() + s * 0.03, plate.bottom() - s * 0.04)});
    Figures::Walker(p, QPointF(plate.center().x() - s * 0.02, plate.bottom() - s * 0.07), s * 0.17, Qt::black);
}

void ZebraCrossing(QPainter& p, const View& v) {
    Road(p, v);
    LaneLine(p, v, 0, kLine, 1, 2.0, 0.25);
    LaneLine(p, v, 0, kLine, 3.1, kFar, 0.6);
    Fill(p, v.Patch(0.02, 1, 1.85, 1.92), kLine);
    ZebraStripes(p, v, -1, 1, 2.05, 2.9);
    CrossingSign(p, v, 1.3, 2.3);
    const double depth = 2.45;
    Figures::Walker(p, v.At(-0.15, depth), v.Scale(depth) * 0.58, QColor(40, 60, 150));
}

// The back of a car ahead, in the lane around `across`.
void CarAhead(QPainter& p, const View& v, double across, double depth, const QColor& body) {
    const double s = v.Scale(depth);
    const QPointF base = v.At(across, depth);
    const QRectF shell(base.x() - s * 0.26, base.y() - s * 0.36, s * 0.52, s * 0.32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    p.drawRect(QRectF(shell.left() + s * 0.04, base.y() - s * 0.06, s * 0.08, s * 0.06));
    p.drawRect(QRectF(shell.right() - s * 0.12, base.y() - s * 0.06, s * 0.08, s * 0.06));
    p.setBrush(body);
    p.drawRoundedRect(shell, s * 0.05, s * 0.05);
    p.setBrush(QColor(60, 80, 100));
    p.drawRoundedRect(QRectF(shell.left() + s * 0.06, shell.top() + s * 0.03, s * 0.4, s * 0.11), s * 0.02, s * 0.02);
    p.setBrush(QColor(220, 30, 30));
    p.drawRect(QRectF(shell.left() + s * 0.02, shell.top() + s * 0.17, s * 0.08, s * 0.04));
    p.drawRect(QRectF(shell.right() - s * 0.1, shell.top() + s * 0.17, s * 0.08, s * 0.04));
}

void Expressway(QPainter& p, const View& v) {
    Fill(p, v.Patch(-1.35, -1, 1, kFar), QColor(96, 150, 76));  // the central reserve
    Road(p, v);
    // Guard rail along the central reserve.
    Fill(p, v.Patch(-1.07, -1.02, 1, kFar), QColor(200, 200, 205));
    LaneLine(p, v, -0.95, kLine);
    LaneLine(p, v, 0.62, kLine);
    LaneLine(p, v, -0.43, kLine, 1, kFar, 0.35);
    LaneLine(p, v, 0.1, kLine, 1, kFar, 0.35);
    CarAhead(p, v, -0.16, 3.2, QColor(235, 235, 235));
    CarAhead(p, v, -0.68, 6.5, QColor(40, 90, 170));
}

// An X-shaped sign of two white boards edged in red, that marks a level crossing.
void CrossBuck(QPainter& p, const View& v, double across, double depth) {
    const double s = v.Scale(depth);
    const QPointF foot = v.At(across, depth);
    Pole(p, foot, s * 0.75, s * 0.04);
    const QPointF centre = foot - QPointF(0, s * 0.75);
    for (double slope : {1.0, -1.0}) {
        const QPointF half(s * 0.22, slope * s * 0.13);
        p.setPen(QPen(kRed, s * 0.08, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre - half, centre + half);
        p.setPen(QPen(Qt::white, s * 0.05, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(centre - half * 0.97, centre + half * 0.97);
    }
}

void RailwayCrossing(QPainter& p, const View& v) {
    const double near = 2.2;
    const double far = 2.65;
    // Ballast across the whole picture, then the road over it.
    Fill(p,
         QPolygonF{QPointF(0, v.At(0, far + 0.15).y()), QPointF(v.Width(), v.At(0, far + 0.15).y()),
                   QPointF(v.Width(), v.At(0, near - 0.15).y()), QPointF(0, v.At(0, near - 0.15).y())},
         QColor(140, 128, 112));
    Road(p, v);
    LaneLine(p, v, 0, kYellowLine, 1, 1.85);
    LaneLine(p, v, 0, kYellowLine, 3.0, kFar);
    Fill(p, v.Patch(0.02, 1, 1.85, 1.92), kLine);
    // Sleepers show beside the road; on it the crossing is paved up to the rails.
    double a = 1.04;
    while (a < 6) {
        Fill(p, v.Patch(a, a + 0.07, near, far), QColor(92, 70, 52));
        Fill(p, v.Patch(-a - 0.07, -a, near, far), QColor(92, 70, 52));
        a += 0.16;
    }
    for (double rail : {near + 0.18, far - 0.18}) {
        const double y = v.At(0, rail).y();
        p.setPen(QPen(QColor(70, 70, 74), 2.2));
        p.drawLine(QPointF(0, y), QPointF(v.Width(), y));
        p.setPen(QPen(QColor(205, 205, 210), 0.8));
        p.drawLine(QPointF(0, y - 1), QPointF(v.Width(), y - 1));
    }
    CrossBuck(p, v, 1.3, 1.95);
}

}  // namespace

QImage ScenePainter::paint(Scene scene, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const View view(width, height);
    Landscape(p, view);
    switch (scene) {
        case Scene::CrossroadsRedLight:
            CrossroadsRedLight(p, view);
            break;
        case Scene::ZebraCrossing:
            ZebraCrossing(p, view);
            break;
        case Scene::Expressway:
            Expressway(p, view);
            break;
        case Scene::RailwayCrossing:
            RailwayCrossing(p, view);
            break;
    }
    return image;
}
