#pragma once

#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;
class SkinContent;
struct TsGeneralData;

// Text in a section's colours: while enabled, four passes one pixel to the left, up, right and down in the
// contour colours the section gives (the hot ones when hot), then the text in its font colour; disabled,
// one pass in the font colour blended 40 % with `globalColor` (a skin colour). The painter's font and clip
// are the caller's.
namespace TextPainter {

void Draw(QPainter& painter, const QString& text, const QRect& area, int flags, const TsGeneralData& section, bool hot,
          bool enabled, int globalColor);

// One pass in one skin colour.
void DrawPlain(QPainter& painter, const QString& text, const QRect& area, int flags, int color);

// The text, or as much of its start as fits in `width` followed by "..." (three full stops, not the
// platform's single ellipsis character).
QString CutToFit(const QFontMetrics& metrics, const QString& text, int width);

// The colour disabled text is blended with: the skin's "GLOBALINFO" colour, or the system's button face
// when there is no skin or it gives none.
int GlobalColor(const SkinContent* skin);

}  // namespace TextPainter
