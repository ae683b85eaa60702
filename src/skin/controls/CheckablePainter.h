#pragma once

#include <QImage>

#include "skin/controls/PaintStateKey.h"

class QAbstractButton;
class TsCommonData;
struct BackgroundInfo;

// The skinned picture of a check box or radio button: its section's surface, the skin's glyph for the
// check state at the left, vertically centred, and the caption beside it.
namespace CheckablePainter {

// 2 while pressed, 1 while hot, else 0.
int StateOf(const QAbstractButton& button, const TsCommonData& data);

// Everything the picture depends on, so that it is composed again when any of it changes.
PaintStateKey StateKey(const QAbstractButton& button, const TsCommonData& data);

void Paint(const QAbstractButton& button, const TsCommonData& data, int glyphIndex, QImage& cache,
           const BackgroundInfo& background);

}  // namespace CheckablePainter
