#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "skin/TacSectionLook.h"
#include "skin/TsBackgroundInfo.h"
#include "skin/TsSkinContent.h"

// Paints one item of a section (background, border mask, corner ornaments) into a 24-bit picture.
// `offset` is added to the background's position when the parent's picture is read.
namespace ItemPainter {

void PaintItem(const TsSkinContent& skin, const TacSectionLook& look, const TsBackgroundInfo& background, bool filling,
               int state, QImage& target, QPoint offset, const QRect& area);

void PaintBackground(const TsSkinContent& skin, const TacSectionLook& look, const TsBackgroundInfo& background,
                     int state, QImage& target, QPoint offset, const QRect& area);

// What lies beneath: the parent's picture at the background's place (plus `offset`), or its plain colour.
void PaintParent(QImage& target, const QRect& area, const TsBackgroundInfo& background, QPoint offset);

}  // namespace ItemPainter
