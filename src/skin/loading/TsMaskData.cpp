#include "skin/loading/TsMaskData.h"

#include <algorithm>

void TsMaskData::ComputeMargins() {
    MarginLeft = MarginRight = ComputedMarginX();
    MarginTop = MarginBottom = ComputedMarginY();
}

bool TsMaskData::FitTo(QSize picture) {
    Slice.Left = std::clamp(Slice.Left, 0, picture.width());
    Slice.Right = std::clamp(Slice.Right, Slice.Left, picture.width());
    Slice.Top = std::clamp(Slice.Top, 0, picture.height());
    Slice.Bottom = std::clamp(Slice.Bottom, Slice.Top, picture.height());
    if (Slice.Width() == 0 || Slice.Height() == 0)
        return false;
    const int width = ImageWidth(), height = RowHeight();
    MarginLeft = std::clamp(MarginLeft, 0, width);
    MarginRight = std::clamp(MarginRight, 0, width);
    MarginTop = std::clamp(MarginTop, 0, height);
    MarginBottom = std::clamp(MarginBottom, 0, height);
    BorderWidth = std::clamp(BorderWidth, 0, std::min(width, height));
    return true;
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
