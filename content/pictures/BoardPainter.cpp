#include "BoardPainter.h"

#include <QPainter>
#include <QPolygonF>
#include <functional>

#include "DrawOnGrid.h"
#include "Figures.h"
#include "SignKit.h"
#include "SignPainter.h"

using namespace SignKit;

namespace {

using Board = BoardPainter::Board;

// Boards are laid out on a 300 × 170 grid.
const QRectF kPlate(14, 12, 272, 146);

void Arrow(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour) {
    QPainterPath shaft(from);
    shaft.lineTo(to);
    Figures::Arrow(p, shaft, width, width * 1.6, width * 2.8, colour);
}

void ExitNotice(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    Text(p, QRectF(20, 22, 260, 56), QStringLiteral("城东  出口"), 40, kWhite);
    Text(p, QRectF(20, 88, 260, 56), QStringLiteral("2 km"), 38, kWhite);
}

void Exit(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    Text(p, QRectF(24, 26, 150, 64), QStringLiteral("出口"), 52, kWhite);
    Text(p, QRectF(24, 92, 150, 44), QStringLiteral("EXIT"), 32, kWhite);
    Arrow(p, QPointF(190, 130), QPointF(240, 70), 12, kWhite);
}

void Distances(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    const QString places[] = {QStringLiteral("城东"), QStringLiteral("南湖"), QStringLiteral("江城")};
    const QString kms[] = {QStringLiteral("15 km"), QStringLiteral("48 km"), QStringLiteral("126 km")};
    for (int i = 0; i < 3; ++i) {
        const double y = 22 + i * 44;
        Text(p, QRectF(30, y, 110, 40), places[i], 30, kWhite);
        Text(p, QRectF(150, y, 120, 40), kms[i], 28, kWhite);
    }
}

void ServiceArea(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    Text(p, QRectF(20, 20, 260, 50), QStringLiteral("服务区  2 km"), 36, kWhite);
    // Pictograms of what the area offers: fuel, food, parking.
    const double top = 84;
    for (int i = 0; i < 3; ++i) {
        const QRectF tile(60 + i * 64, top, 54, 54);
        p.setPen(Qt::NoPen);
        p.setBrush(kWhite);
        p.drawRoundedRect(tile, 5, 5);
        p.setBrush(kBlack);
        if (i == 0) {
            p.drawRect(QRectF(tile.left() + 12, tile.top() + 10, 20, 36));
            p.setBrush(kWhite);
            p.drawRect(QRectF(tile.left() + 16, tile.top() + 14, 12, 9));
            p.setPen(QPen(kBlack, 3, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF{QPointF(tile.left() + 32, tile.top() + 18),
                                     QPointF(tile.left() + 42, tile.top() + 24),
                                     QPointF(tile.left() + 42, tile.top() + 40)});
        } else if (i == 1) {
            p.setPen(QPen(kBlack, 4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(tile.left() + 18, tile.top() + 10), QPointF(tile.left() + 18, tile.top() + 44));
            p.drawLine(QPointF(tile.left() + 36, tile.top() + 10), QPointF(tile.left() + 36, tile.top() + 44));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRectF(tile.left() + 31, tile.top() + 8, 10, 18));
            p.drawRect(QRectF(tile.left() + 12, tile.top() + 8, 12, 12));
        } else {
            Text(p, tile, QStringLiteral("P"), 40, kBlack);
        }
    }
}

void JunctionNotice(QPainter& p) {
    SignKit::Board(p, kPlate, kBlue, kWhite);
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRect(QRectF(70, 92, 160, 20));                        // the crossing road
    Arrow(p, QPointF(150, 150), QPointF(150, 72), 20, kWhite);  // our road, on through the junction
    Text(p, QRectF(100, 10, 100, 26), QStringLiteral("和平路"), 20, kWhite);
    Text(p, QRectF(18, 88, 52, 28), QStringLiteral("建设路"), 15, kWhite);
    Text(p, QRectF(230, 88, 52, 28), QStringLiteral("建设路"), 15, kWhite);
    Text(p, QRectF(176, 118, 100, 34), QStringLiteral("300 m"), 24, kWhite);
}

void TouristArea(QPainter& p) {
    SignKit::Board(p, kPlate, kBrown, kWhite);
    Text(p, QRectF(100, 28, 180, 60), QStringLiteral("湖山景区"), 38, kWhite);
    Text(p, QRectF(100, 92, 180, 50), QStringLiteral("3 km"), 32, kWhite);
    Arrow(p, QPointF(92, 86), QPointF(48, 86), 14, kWhite);
}

void OrangeBoard(QPainter& p) {
    SignKit::Board(p, kPlate, kOrange, kBlack);
}

// A roadworks board that names what lies 300 m ahead.
void WorksWarning(QPainter& p, const QString& what) {
    OrangeBoard(p);
    Text(p, QRectF(20, 22, 260, 60), what, 44, kBlack);
    Text(p, QRectF(20, 90, 260, 56), QStringLiteral("300 m"), 38, kBlack);
}

void LeftLaneClosed(QPainter& p) {
    OrangeBoard(p);
    Text(p, QRectF(20, 16, 260, 40), QStringLiteral("左道封闭"), 30, kBlack);
    p.setPen(QPen(kBlack, 3, Qt::DashLine));
    p.drawLine(QPointF(150, 66), QPointF(150, 150));
    // The left lane stops at a closing bar; the right one carries on.
    p.setPen(QPen(kBlack, 10, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(110, 148), QPointF(110, 104));
    p.drawLine(QPointF(88, 100), QPointF(132, 100));
    Arrow(p, QPointF(190, 148), QPointF(190, 84), 10, kBlack);
}

void Detour(QPainter& p) {
    OrangeBoard(p);
    Text(p, QRectF(160, 40, 120, 90), QStringLiteral("改道"), 40, kBlack);
    QPainterPath shaft(QPointF(120, 148));
    shaft.lineTo(120, 86);
    shaft.lineTo(68, 86);
    shaft.lineTo(68, 58);
    Figures::Arrow(p, shaft, 12, 22, 36, kBlack);
}

void EmergencyBay(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    Text(p, QRectF(20, 18, 260, 56), QStringLiteral("紧急停车带"), 40, kWhite);
    // The carriageway's edge with the bay let into it, seen from above.
    p.setPen(QPen(kWhite, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(90, 140), QPointF(160, 140), QPointF(176, 112), QPointF(228, 112),
                             QPointF(244, 140), QPointF(272, 140)});
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(188, 116, 30, 16), 4, 4);  // the stopped car
    p.drawRect(QRectF(28, 138, 50, 4));
}

void TollNotice(QPainter& p) {
    SignKit::Board(p, kPlate, kGreen, kWhite);
    Text(p, QRectF(20, 22, 260, 60), QStringLiteral("收费站"), 46, kWhite);
    Text(p, QRectF(20, 90, 260, 56), QStringLiteral("1 km"), 38, kWhite);
}

void EscapeLane(QPainter& p) {
    SignKit::Board(p, kPlate, kBlue, kWhite);
    // The road runs down the left side; the escape lane leaves it to the right and climbs.
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF{QPointF(40, 150), QPointF(64, 150), QPointF(64, 24), QPointF(40, 24)});
    p.drawPolygon(QPolygonF{QPointF(60, 112), QPointF(64, 92), QPointF(110, 44), QPointF(124, 56)});
    p.setBrush(kBlue);
    for (double y : {58.0, 70.0, 82.0})
        p.drawRect(QRectF(96 - (y - 58) * 0.9, y - 4, 12, 3));  // the gravel bed's bands
    Text(p, QRectF(130, 30, 150, 60), QStringLiteral("避险车道"), 34, kWhite);
    Text(p, QRectF(130, 94, 150, 50), QStringLiteral("500 m"), 32, kWhite);
}

// A main sign in the upper part and the white auxiliary plate under it.
void SignWithPlate(QPainter& p, SignPainter::Sign sign, const std::function<void(const QRectF&)>& plate) {
    p.drawImage(QRectF(105, 4, 90, 90), SignPainter::paint(sign, 180));
    const QRectF box(70, 100, 160, 62);
    SignKit::Board(p, box, kWhite, kBlack);
    p.setPen(QPen(kBlack, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box, 4, 4);
    plate(box);
}

void Draw(QPainter& p, Board board) {
    switch (board) {
        case Board::ExitNotice:
            ExitNotice(p);
            break;
        case Board::Exit:
            Exit(p);
            break;
        case Board::Distances:
            Distances(p);
            break;
        case Board::ServiceArea:
            ServiceArea(p);
            break;
        case Board::JunctionNotice:
            JunctionNotice(p);
            break;
        case Board::TouristArea:
            TouristArea(p);
            break;
        case Board::WorksAhead:
            WorksWarning(p, QStringLiteral("前方施工"));
            break;
        case Board::RoadClosed:
            WorksWarning(p, QStringLiteral("道路封闭"));
            break;
        case Board::LeftLaneClosed:
            LeftLaneClosed(p);
            break;
        case Board::Detour:
            Detour(p);
            break;
        case Board::TimePlate:
            SignWithPlate(p, SignPainter::Sign::NoParking,
                          [&p](const QRectF& box) { Text(p, box, QStringLiteral("7:00-19:00"), 26, kBlack, true); });
            break;
        case Board::VehiclePlate:
            SignWithPlate(p, SignPainter::Sign::SpeedLimit60, [&p](const QRectF& box) {
                Truck(p, QRectF(box.left() + 12, box.top() + 12, 62, 38), kBlack);
                Text(p, QRectF(box.left() + 78, box.top(), 78, box.height()), QStringLiteral("货车"), 26, kBlack);
            });
            break;
        case Board::ExceptBuses:
            SignWithPlate(p, SignPainter::Sign::NoLeftTurn,
                          [&p](const QRectF& box) { Text(p, box, QStringLiteral("除公共汽车外"), 24, kBlack); });
            break;
        case Board::EmergencyBay:
            EmergencyBay(p);
            break;
        case Board::TollNotice:
            TollNotice(p);
            break;
        case Board::EscapeLane:
            EscapeLane(p);
            break;
        case Board::DistancePlate:
            SignWithPlate(p, SignPainter::Sign::WatchChildren,
                          [&p](const QRectF& box) { Text(p, box, QStringLiteral("前方 200 m"), 26, kBlack); });
            break;
    }
}

}  // namespace

QImage BoardPainter::paint(Board board, int width, int height) {
    return DrawOnGrid(QSize(width, height), QSizeF(300, 170), Qt::white,
                      QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform,
                      [board](QPainter& p) { Draw(p, board); });
}
