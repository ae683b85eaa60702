#include "skin/TsMaskData.h"

void TsMaskData::ComputeMargins() {
    MarginLeft = MarginRight = ComputedMarginX();
    MarginTop = MarginBottom = ComputedMarginY();
}

void TsMaskData::SetAllMargins(int width) {
    MarginLeft = MarginTop = MarginRight = MarginBottom = width;
}

int TsMaskData::SideWidth(int margin, int computed) const {
    if (margin > 0)
        return margin;
    if (BorderWidth > 0)
        return BorderWidth;
    return computed;
}

QSize TsMaskData::GlyphSize() const {
    if (!Picture.isNull())
        return {Picture.width() / 3, Picture.height() / 2};
    return {ImageWidth(), RowHeight()};
}
