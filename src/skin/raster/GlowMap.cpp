#include "skin/raster/GlowMap.h"

#include <algorithm>

void GlowMap::Blur(const QImage& silhouette, int passes) {
    const int width = silhouette.width();
    const int height = silhouette.height();
    stride_ = width + 2;
    const size_t needed = size_t(stride_) * size_t(height + 2);
    // The buffer grows with the label but is never shrunk: labels repaint at the same size most of the time.
    if (map_.size() < needed)
        map_.resize(needed * 2);
    std::fill(map_.begin(), map_.begin() + needed, uint8_t{0});

    const QImage picture = silhouette.convertToFormat(QImage::Format_RGB32);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            uint8_t* row = &map_[(y + 1) * stride_ + 1];
            for (int x = 0; x < width; ++x) {
                if (qBlue(line[x]) != 0)
                    row[x] = 255;
            }
        }
        for (int y = 1; y <= height; ++y) {
            uint8_t* row = &map_[y * stride_];
            for (int x = 1; x <= width; ++x) {
                row[x] = uint8_t((row[x - stride_] + row[x + stride_] + row[x - 1] + row[x + 1]) >> 2);
            }
        }
    }
}
