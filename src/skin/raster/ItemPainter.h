#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "skin/loading/SkinContent.h"
#include "skin/raster/BackgroundInfo.h"
#include "skin/raster/SectionLook.h"

// Paints one item of a section (background, border mask, corner ornaments) into a 24-bit picture.
// `offset` is added to the background's position when the parent's picture is read.
namespace ItemPainter {

void PaintItem(const SkinContent& skin, const SectionLook& look, const BackgroundInfo& background, bool filling,
               int state, QImage& target, QPoint offset, const QRect& area);

void PaintBackground(const SkinContent& skin, const SectionLook& look, const BackgroundInfo& background, int state,
                     QImage& target, QPoint offset, const QRect& area);

// What lies beneath: the parent's picture at the background's place (plus `offset`), or its plain colour.
void PaintParent(QImage& target, const QRect& area, const BackgroundInfo& background, QPoint offset);

}  // namespace ItemPainter
