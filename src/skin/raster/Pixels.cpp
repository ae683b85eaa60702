#include "skin/raster/Pixels.h"

#include <algorithm>
#include <cstring>

namespace Pixels {

void Fill(QImage& image, const QRect& rect, Rgb color) {
    const QRect area = rect & image.rect();
    if (area.isEmpty())
        return;
    // The first row is filled pixel by pixel, the others are copies of it.
    uchar* first = image.scanLine(area.top()) + area.left() * 3;
    for (int x = 0; x < area.width(); ++x) {
        first[x * 3] = static_cast<uchar>(color.R);
        first[x * 3 + 1] = static_cast<uchar>(color.G);
        first[x * 3 + 2] = static_cast<uchar>(color.B);
    }
    const std::size_t bytes = static_cast<std::size_t>(area.width()) * 3;
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        std::memcpy(image.scanLine(y) + area.left() * 3, first, bytes);
}

void Blit(QImage& target, QPoint at, const QImage& source, const QRect& from) {
    const QRect wanted = from & source.rect();
    const QPoint shift = at - from.topLeft();
    const QRect area = wanted.translated(shift) & target.rect();
    if (area.isEmpty())
        return;
    uchar* out = target.bits() + area.top() * target.bytesPerLine() + area.left() * 3;
    const uchar* in =
        source.constBits() + (area.top() - shift.y()) * source.bytesPerLine() + (area.left() - shift.x()) * 3;
    for (int y = area.top(); y <= area.bottom(); ++y, out += target.bytesPerLine(), in += source.bytesPerLine())
        std::memcpy(out, in, static_cast<std::size_t>(area.width()) * 3);
}

void Tile(QImage& target, const QRect& area, const QImage& source) {
    const QRect clipped = area & target.rect();
    if (source.isNull() || clipped.isEmpty())
        return;
    const int width = source.width(), height = source.height();
    const qsizetype stride = target.bytesPerLine();
    const std::size_t rowBytes = static_cast<std::size_t>(clipped.width()) * 3;
    uchar* out = target.bits() + clipped.top() * stride + clipped.left() * 3;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y, out += stride) {
        // Below the first band each row repeats the one a tile's height above it.
        if (y - height >= clipped.top()) {
            std::memcpy(out, out - height * stride, rowBytes);
            continue;
        }
        // The source's row over and over, from where the area's tiling puts it at the left edge.
        const uchar* in = source.constScanLine((y - area.top()) % height);
        int column = (clipped.left() - area.left()) % width;
        for (int x = 0; x < clipped.width();) {
            const int run = std::min(width - column, clipped.width() - x);
            std::memcpy(out + x * 3, in + column * 3, static_cast<std::size_t>(run) * 3);
            x += run;
            column = 0;
        }
    }
}

void Stretch(QImage& target, const QRect& area, const QImage& source) {
    if (source.isNull() || area.isEmpty())
        return;
    const QImage scaled = As24(source.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Blit(target, area.topLeft(), scaled, scaled.rect());
}

}  // namespace Pixels
