#pragma once

#include <QRect>
#include <QSize>
#include <array>

// The geometry of a 3×3 border slicing, apart from any painting.
namespace NineSlice {

struct Margins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const Margins&) const = default;
};

// Borders wider or taller than the target give up the excess, left and right (top and bottom) alike.
Margins Shrink(Margins margins, QSize target);

// Pieces in rows from the top-left: corner, edge, corner; edge, centre, edge; corner, edge, corner.
enum Piece { TopLeft, Top, TopRight, Left, Centre, Right, BottomLeft, Bottom, BottomRight };
using Pieces = std::array<QRect, 9>;

// The nine pieces of `area`; a centre that the borders leave no room for is empty.
Pieces Slice(const QRect& area, const Margins& margins);

inline bool IsCorner(int piece) {
    return piece == TopLeft || piece == TopRight || piece == BottomLeft || piece == BottomRight;
}

}  // namespace NineSlice
