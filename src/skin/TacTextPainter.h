#pragma once

#include <QRect>
#include <QString>

class QPainter;
struct TsGeneralData;

// Text in a section's colours: while enabled, four passes one pixel to the left, up, right and down in the
// contour colours the section gives (the hot ones when hot), then the text in its font colour; disabled,
// one pass in the font colour blended 40 % with `globalColor` (a skin colour). The painter's font and clip
// are the caller's.
namespace TacTextPainter {

void Draw(QPainter& painter, const QString& text, const QRect& area, int flags, const TsGeneralData& section, bool hot,
          bool enabled, int globalColor);

// One pass in one skin colour.
void DrawPlain(QPainter& painter, const QString& text, const QRect& area, int flags, int color);

}  // namespace TacTextPainter
