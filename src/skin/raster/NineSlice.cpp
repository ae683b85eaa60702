#include "skin/raster/NineSlice.h"

#include <algorithm>

namespace NineSlice {

namespace {

void ShrinkPair(int& first, int& second, int extent) {
    if (extent >= first + second)
        return;
    const int excess = (first + second - extent) / 2;
    first = std::max(first - excess, 0);
    second = std::max(second - excess - (extent % 2), 0);
    // Halving an odd excess over an even extent still leaves the borders one pixel too wide; that
    // pixel comes off the far border so that the pieces never overlap.
    first = std::min(first, std::max(extent, 0));
    second = std::min(second, std::max(extent - first, 0));
}

}  // namespace

Margins Shrink(Margins margins, QSize target) {
    ShrinkPair(margins.Left, margins.Right, target.width());
    ShrinkPair(margins.Top, margins.Bottom, target.height());
    return margins;
}

Pieces Slice(const QRect& area, const Margins& m) {
    const int xs[3] = {area.left(), area.left() + m.Left, area.right() + 1 - m.Right};
    const int ws[3] = {m.Left, std::max(area.width() - m.Left - m.Right, 0), m.Right};
    const int ys[3] = {area.top(), area.top() + m.Top, area.bottom() + 1 - m.Bottom};
    const int hs[3] = {m.Top, std::max(area.height() - m.Top - m.Bottom, 0), m.Bottom};
    Pieces pieces;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            pieces[static_cast<std::size_t>(row) * 3 + static_cast<std::size_t>(column)] =
                QRect(xs[column], ys[row], ws[column], hs[row]);
    }
    return pieces;
}

}  // namespace NineSlice
