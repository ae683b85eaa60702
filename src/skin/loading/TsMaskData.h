#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

enum TacImgType : std::uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3 };

// A rectangle whose right and bottom edges are exclusive, as slices are written in skins.
struct MaskSlice {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const MaskSlice&) const = default;
};

// One image slice of a skin: state images side by side, optionally with mask rows below them.
struct TsMaskData {
    QImage Picture;  // null when the slice lies in the master bitmap
    QString SectionName;
    QString PropertyName;
    MaskSlice Slice;
    int ImageCount = 0;
    int MaskType = 0;
    int BorderWidth = 0;
    int PaintMode = 0;
    TacImgType ImgType = itisaBorder;
    int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0;

    // Skins may give 0 (or worse) image counts and mask types; sizes are then worked out as for one
    // image and no mask row instead of dividing by zero.
    int ImageCountAtLeastOne() const { return ImageCount > 0 ? ImageCount : 1; }
    int RowCount() const { return MaskType > 0 ? MaskType + 1 : 1; }
    int ImageWidth() const { return Slice.Width() / ImageCountAtLeastOne(); }
    int RowHeight() const { return Slice.Height() / RowCount(); }

    int ComputedMarginX() const { return Slice.Width() / (ImageCountAtLeastOne() * 3); }
    int ComputedMarginY() const { return Slice.Height() / (RowCount() * 3); }
    void ComputeMargins();
    void SetAllMargins(int width);
    // Cuts the slice at the edges of a picture of this size, and the margins and border width at the
    // size of one state image. False when nothing of the slice lies in the picture.
    bool FitTo(QSize picture);

    // What painting uses for each side: the side's margin, else the border width, else the computed one.
    int BorderLeft() const { return SideWidth(MarginLeft, ComputedMarginX()); }
    int BorderTop() const { return SideWidth(MarginTop, ComputedMarginY()); }
    int BorderRight() const { return SideWidth(MarginRight, ComputedMarginX()); }
    int BorderBottom() const { return SideWidth(MarginBottom, ComputedMarginY()); }

    // A picture of its own holds three state images over two rows; a slice holds its own layout.
    QSize GlyphSize() const;

private:
    int SideWidth(int margin, int computed) const;
};
using TsMaskArray = std::vector<TsMaskData>;
