#pragma once

#include <QRect>
#include <QString>

#include "skin/raster/BackgroundInfo.h"

class QImage;
class QPainter;
class TsCommonData;
struct TsGeneralData;

// The steps a skinned control's painter uses to draw into its picture, from the section its common data
// ties it to: the item or its two halves, the parent beneath, glyphs and the caption.
class ControlPainter {
public:
    explicit ControlPainter(const TsCommonData& data) : data_(data) {}

    void PaintItem(QImage& cache, const BackgroundInfo& background, bool filling, int state, const QRect& area) const;
    // The two halves of an item, for controls that draw their caption between them.
    void PaintBackground(QImage& cache, const BackgroundInfo& background, int state, const QRect& area) const;
    void PaintBorder(QImage& cache, const BackgroundInfo& background, bool filling, int state, const QRect& area) const;
    void PaintParent(QImage& cache, const BackgroundInfo& background, const QRect& area) const;
    void DrawGlyph(QImage& cache, int maskIndex, QPoint at, int state, const BackgroundInfo& background) const;
    void DrawText(QPainter& painter, const QString& text, const QRect& area, int flags, bool hot) const;
    // The dotted frame inside a focused button, in the section's font colour.
    void PaintFocusFrame(QImage& cache) const;
    // The section whose font colours a text uses: the own one, or for the text-taking kinds over a transparent
    // section that of the nearest ancestor that gives its font; none when neither is skinned.
    const TsGeneralData* TextSection(bool hot) const;

private:
    const TsCommonData& data_;
};
