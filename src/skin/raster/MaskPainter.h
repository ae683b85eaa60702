#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "skin/loading/SkinContent.h"
#include "skin/raster/BackgroundInfo.h"

// Draws masks of a skin into a 24-bit picture: borders sliced 3×3 over a rectangle, glyphs unsliced at a
// point. `origin` places the picture inside the parent's picture of `background`. A picture with an alpha
// channel is laid over what lies beneath by its alpha.
namespace MaskPainter {

enum PaintModeFlag { pmStretch = 1, pmNotInNormalState = 2, pmFillCentre = 4 };

void DrawBorder(QImage& target, const QRect& area, bool filling, int state, const SkinContent& skin, int maskIndex,
                const BackgroundInfo& background, QPoint origin);

void DrawGlyph(QImage& target, QPoint at, int state, const SkinContent& skin, int maskIndex,
               const BackgroundInfo& background, QPoint origin);

// The glyph of an inactive title button: more of what lies beneath shows through. A glyph with a mask row
// has every mask value raised by 100 (at most 255); one of the master bitmap without a mask row is mixed
// half and half with what lies beneath, its 0xFF00FF pixels staying transparent; a glyph with a picture of
// its own looks as usual.
void DrawDimmedGlyph(QImage& target, QPoint at, int state, const SkinContent& skin, int maskIndex,
                     const BackgroundInfo& background, QPoint origin);

// A texture with a mask row, drawn through it in whole rows from the top-left, the last column cut off.
void DrawMaskedTexture(QImage& target, const QRect& area, const SkinContent& skin, int maskIndex,
                       const BackgroundInfo& background, QPoint origin);

}  // namespace MaskPainter
