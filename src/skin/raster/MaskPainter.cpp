#include "skin/raster/MaskPainter.h"

#include <algorithm>

#include "skin/raster/NineSlice.h"

namespace MaskPainter {

namespace {

using Pixels::Rgb;

// One state image of a mask in its picture, and where its mask row lies (none for mask type 0).
struct StateImage {
    QImage Picture;  // 24 bits
    QImage Alpha;    // the picture's alpha as 24-bit grey; null for a picture without alpha
    QRect Image;
    int MaskShift = 0;
    bool Masked = false;
    bool OwnPicture = false;
};

// The alpha channel as a 24-bit picture of greys, so that it is sliced, tiled and stretched with its image.
QImage AlphaAsGrey(const QImage& picture) {
    const QImage alpha = picture.convertToFormat(QImage::Format_Alpha8);
    QImage grey(alpha.size(), QImage::Format_RGB888);
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar* in = alpha.constScanLine(y);
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < alpha.width(); ++x)
            out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
    }
    return grey;
}

bool Find(const SkinContent& skin, int maskIndex, int state, StateImage& out) {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()))
        return false;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    const QImage& picture = mask.Picture.isNull() ? skin.MasterBitmap : mask.Picture;
    if (picture.isNull())
        return false;
    const int index = std::clamp(state, 0, mask.ImageCountAtLeastOne() - 1);
    const int w = mask.ImageWidth();
    out.Picture = Pixels::As24(picture);
    out.Alpha = picture.hasAlphaChannel() ? AlphaAsGrey(picture) : QImage();
    out.Image = QRect(mask.Slice.Left + index * w, mask.Slice.Top, w, mask.RowHeight());
    out.Masked = mask.MaskType >= 1;
    out.OwnPicture = !mask.Picture.isNull();
    out.MaskShift = mask.Slice.Height() / 2;
    return true;
}

// Lays one piece of the source over `size` pixels: copied, tiled in pieces of its own size, or stretched.
QImage Spread(const QImage& picture, const QRect& from, QSize size, bool stretch) {
    QImage piece = picture.copy(from);
    if (piece.size() == size)
        return piece;
    QImage out(size, QImage::Format_RGB888);
    if (stretch)
        Pixels::Stretch(out, out.rect(), piece);
    else
        Pixels::Tile(out, out.rect(), piece);
    return out;
}

// Puts `image` at `at`: through `mask` when there is one, else opaquely, with 0xFF00FF transparent when
// `keyed`. Transparent pixels show the parent's picture, or leave the target as it is. An image with
// `alpha` is then laid over what lies beneath by it.
void Put(QImage& target, QPoint at, const QImage& image, const QImage* mask, const QImage* alpha, bool keyed,
         const BackgroundInfo& background, QPoint origin) {
    const QRect area = QRect(at, image.size()) & target.rect();
    if (area.isEmpty())
        return;
    if (!mask && !alpha && !keyed) {
        Pixels::Blit(target, area.topLeft(), image, area.translated(-at));
        return;
    }
    const auto read = [](const uchar* p) { return Rgb{p[0], p[1], p[2]}; };
    const auto write = [](uchar* p, Rgb c) {
        p[0] = static_cast<uchar>(c.R);
        p[1] = static_cast<uchar>(c.G);
        p[2] = static_cast<uchar>(c.B);
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* in = image.constScanLine(y - at.y());
        const uchar* through = mask ? mask->constScanLine(y - at.y()) : nullptr;
        const uchar* cover = alpha ? alpha->constScanLine(y - at.y()) : nullptr;
        uchar* out = target.scanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const int from = (x - at.x()) * 3;
            const Rgb pixel = read(in + from);
            if (pixel == Pixels::kKey) {
                Rgb parent;
                if (background.ParentPixel(origin, QPoint(x, y), parent)) {
                    write(out + x * 3, parent);
                    continue;
                }
                if (keyed)
                    continue;
            }
            const Rgb beneath = read(out + x * 3);
            const Rgb shown = mask ? Pixels::ThroughMask(pixel, beneath, read(through + from)) : pixel;
            write(out + x * 3, cover ? Pixels::OverByAlpha(shown, beneath, cover[from]) : shown);
        }
    }
}

constexpr int kDimmedMaskRaise = 100;
constexpr Rgb kHalfMask{128, 128, 128};

void RaiseMask(QImage& mask) {
    const auto raise = [](int v) { return std::min(v + kDimmedMaskRaise, 255); };
    Pixels::Transform(mask, mask.rect(), [&](int, int, Rgb m) { return Rgb{raise(m.R), raise(m.G), raise(m.B)}; });
}

// A dimmed glyph lets more of what lies beneath show: a mask row is raised by 100, and a glyph of the
// master bitmap without one goes half and half, as through a mid-grey mask. Glyphs with a picture of their
// own keep their look.
void PutGlyph(QImage& target, QPoint at, int state, const SkinContent& skin, int maskIndex,
              const BackgroundInfo& background, QPoint origin, bool dimmed) {
    StateImage source;
    if (!Find(skin, maskIndex, state, source) || source.Image.isEmpty())
        return;
    const QImage image = source.Picture.copy(source.Image);
    const QImage alpha = source.Alpha.isNull() ? QImage() : source.Alpha.copy(source.Image);
    const QImage* cover = alpha.isNull() ? nullptr : &alpha;
    if (source.Masked) {
        QImage maskRow = source.Picture.copy(source.Image.translated(0, source.MaskShift));
        if (dimmed)
            RaiseMask(maskRow);
        Put(target, at, image, &maskRow, cover, false, background, origin);
    } else if (dimmed && !source.OwnPicture) {
        QImage half(image.size(), QImage::Format_RGB888);
        Pixels::Fill(half, half.rect(), kHalfMask);
        Put(target, at, image, &half, cover, true, background, origin);
    } else {
        Put(target, at, image, nullptr, cover, true, background, origin);
    }
}

}  // namespace

void DrawBorder(QImage& target, const QRect& area, bool filling, int state, const SkinContent& skin, int maskIndex,
                const BackgroundInfo& background, QPoint origin) {
    StateImage source;
    if (area.width() < 2 || area.height() < 2 || !Find(skin, maskIndex, state, source))
        return;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    if (state == 0 && (mask.PaintMode & pmNotInNormalState))
        return;
    const NineSlice::Margins margins =
        NineSlice::Shrink({mask.BorderLeft(), mask.BorderTop(), mask.BorderRight(), mask.BorderBottom()}, area.size());
    const NineSlice::Pieces from = NineSlice::Slice(source.Image, margins);
    const NineSlice::Pieces to = NineSlice::Slice(area, margins);
    const bool stretch = mask.PaintMode & pmStretch;
    for (int i = 0; i < 9; ++i) {
        const QRect& src = from[static_cast<std::size_t>(i)];
        const QRect& dst = to[static_cast<std::size_t>(i)];
        if (src.isEmpty() || dst.isEmpty())
            continue;
        if (i == NineSlice::Centre && !(filling && (mask.PaintMode & pmFillCentre)))
            continue;
        const QImage image = Spread(source.Picture, src, dst.size(), stretch);
        const QImage alpha = source.Alpha.isNull() ? QImage() : Spread(source.Alpha, src, dst.size(), stretch);
        const QImage* cover = alpha.isNull() ? nullptr : &alpha;
        if (source.Masked) {
            const QImage maskRow = Spread(source.Picture, src.translated(0, source.MaskShift), dst.size(), stretch);
            Put(target, dst.topLeft(), image, &maskRow, cover, false, background, origin);
        } else {
            Put(target, dst.topLeft(), image, nullptr, cover, NineSlice::IsCorner(i), background, origin);
        }
    }
}

void DrawGlyph(QImage& target, QPoint at, int state, const SkinContent& skin, int maskIndex,
               const BackgroundInfo& background, QPoint origin) {
    PutGlyph(target, at, state, skin, maskIndex, background, origin, false);
}

void DrawDimmedGlyph(QImage& target, QPoint at, int state, const SkinContent& skin, int maskIndex,
                     const BackgroundInfo& background, QPoint origin) {
    PutGlyph(target, at, state, skin, maskIndex, background, origin, true);
}

void DrawMaskedTexture(QImage& target, const QRect& area, const SkinContent& skin, int maskIndex,
                       const BackgroundInfo& background, QPoint origin) {
    StateImage source;
    if (!Find(skin, maskIndex, 0, source) || source.Image.isEmpty() || !source.Masked)
        return;
    const int height = area.height() / source.Image.height() * source.Image.height();
    if (height == 0 || area.width() <= 0)
        return;
    QImage image(area.width(), height, QImage::Format_RGB888);
    QImage mask(image.size(), QImage::Format_RGB888);
    Pixels::Tile(image, image.rect(), source.Picture.copy(source.Image));
    Pixels::Tile(mask, mask.rect(), source.Picture.copy(source.Image.translated(0, source.MaskShift)));
    Put(target, area.topLeft(), image, &mask, nullptr, false, background, origin);
}

}  // namespace MaskPainter
