#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The plates, colours and pictograms the traffic signs share. Everything is drawn on a 100 × 100 grid that the
// caller scales to the picture's size.
namespace SignKit {

inline const QColor kYellow(255, 204, 0);
inline const QColor kBlack(25, 25, 25);
inline const QColor kRed(206, 17, 38);
inline const QColor kBlue(0, 84, 166);
inline const QColor kGreen(0, 122, 74);
inline const QColor kBrown(122, 64, 32);
inline const QColor kOrange(246, 132, 30);
inline const QColor kWhite(255, 255, 255);

// A yellow triangle with a black border, point up: warning signs.
void WarningPlate(QPainter& p);
// A triangle with rounded corners around the warning plates' centre; `pointDown` turns it over.
void RoundedTriangle(QPainter& p, double scale, bool pointDown, const QColor& colour);
// A disc in a red ring, white unless `fill` says otherwise: prohibition signs.
void ProhibitionPlate(QPainter& p, const QColor& fill = kWhite);
// The red bar from upper left to lower right that forbids what the symbol shows; drawn over the symbol.
void ProhibitionBar(QPainter& p);
// A blue disc with a thin white rim: mandatory signs.
void MandatoryPlate(QPainter& p);
// A rectangular plate with rounded corners and a thin rim in `rim`.
void Board(QPainter& p, const QRectF& box, const QColor& fill, const QColor& rim);

// Bold text centred in `box`; "hei" picks the CJK face, anything else the Latin one.
void Text(QPainter& p, const QRectF& box, const QString& text, double pixelSize, const QColor& colour,
          bool condensed = false);

// Pictograms, each fitted into `box` and filled with `colour`.
void Horn(QPainter& p, const QRectF& box, const QColor& colour);
void Truck(QPainter& p, const QRectF& box, const QColor& colour);       // side view, cab on the left
void Motorcycle(QPainter& p, const QRectF& box, const QColor& colour);  // side view, heading left
void Bicycle(QPainter& p, const QRectF& box, const QColor& colour);     // side view, heading left
void CarSide(QPainter& p, const QRectF& box, const QColor& colour);     // side view, heading left
void CarRear(QPainter& p, const QRectF& box, const QColor& colour);     // seen from behind

// An arrow along `points` (straight runs), with a filled head at the last point.
void PolyArrow(QPainter& p, const QList<QPointF>& points, double width, double headLength, double headWidth,
               const QColor& colour);

}  // namespace SignKit
