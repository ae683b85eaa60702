#include "skin/TacPixels.h"

#include <cstring>

namespace TacPixels {

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
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* in = source.constScanLine(y - shift.y()) + (area.left() - shift.x()) * 3;
        std::memcpy(target.scanLine(y) + area.left() * 3, in, static_cast<std::size_t>(area.width()) * 3);
    }
}

void Tile(QImage& target, const QRect& area, const QImage& source) {
    if (source.isNull() || area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); y += source.height()) {
        for (int x = area.left(); x <= area.right(); x += source.width()) {
            const QRect piece(0, 0, std::min(source.width(), area.right() + 1 - x),
                              std::min(source.height(), area.bottom() + 1 - y));
            Blit(target, {x, y}, source, piece);
        }
    }
}

void Stretch(QImage& target, const QRect& area, const QImage& source) {
    if (source.isNull() || area.isEmpty())
        return;
    const QImage scaled = As24(source.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    Blit(target, area.topLeft(), scaled, scaled.rect());
}

}  // namespace TacPixels
