#include "skin/raster/TexturePainter.h"

#include <algorithm>

#include "skin/raster/Pixels.h"

namespace TexturePainter {

QImage SourceOf(const SkinContent& skin, const TsMaskData& mask) {
    const QImage& picture = mask.Picture.isNull() ? skin.MasterBitmap : mask.Picture;
    if (picture.isNull())
        return {};
    // Textures cut from whole pictures keep an empty slice: the whole picture is the texture.
    if (!mask.Picture.isNull() && mask.Slice.Width() <= 0)
        return Pixels::As24(picture);
    const QRect first(mask.Slice.Left, mask.Slice.Top, mask.ImageWidth(), mask.RowHeight());
    return Pixels::As24(picture.copy(first & picture.rect()));
}

void Paint(QImage& target, const QRect& area, const QImage& source, int mode) {
    if (source.isNull() || area.isEmpty())
        return;
    const int w = source.width(), h = source.height();
    switch (mode) {
        case 0:
            Pixels::Tile(target, area, source);
            break;
        case 1:
            Pixels::Stretch(target, area, source);
            break;
        case 2:
            Pixels::Tile(target, QRect(area.left(), area.top(), area.width(), h) & area, source);
            break;
        case 3:
            Pixels::Tile(target, QRect(area.left(), area.top(), w, area.height()) & area, source);
            break;
        case 4: {
            QImage band(area.width(), h, QImage::Format_RGB888);
            Pixels::Stretch(band, band.rect(), source);
            Pixels::Blit(target, area.topLeft(), band, QRect(0, 0, area.width(), std::min(h, area.height())));
            break;
        }
        case 5: {
            QImage band(w, area.height(), QImage::Format_RGB888);
            Pixels::Stretch(band, band.rect(), source);
            Pixels::Blit(target, area.topLeft(), band, QRect(0, 0, std::min(w, area.width()), area.height()));
            break;
        }
        case 6:
            Pixels::Tile(target, QRect(area.left(), area.bottom() + 1 - h, area.width(), h) & area, source);
            break;
        case 10:
            // Whole rows only; a row that would be cut at the bottom is left out.
            for (int y = area.top(); y + h <= area.bottom() + 1; y += h)
                Pixels::Tile(target, QRect(area.left(), y, area.width(), h), source);
            break;
        default:
            Pixels::Tile(target, QRect(area.right() + 1 - w, area.top(), w, area.height()) & area, source);
            break;
    }
}

}  // namespace TexturePainter
