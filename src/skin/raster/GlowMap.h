#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

// The soft shadow under effect labels: a byte per pixel, with a one-pixel border of zeros around the
// picture so that the blur needs no edge tests.
class GlowMap {
public:
    // Clears the map to the picture's size, then `passes` times: marks every pixel of the silhouette
    // (blue byte not 0) with 255 and replaces each inner entry, row by row, by the sum of its four
    // neighbours shifted right by 2, in place.
    void Blur(const QImage& silhouette, int passes);

    // The intensity at picture pixel (x, y).
    uint8_t At(int x, int y) const { return map_[(y + 1) * stride_ + x + 1]; }

private:
    std::vector<uint8_t> map_;
    int stride_ = 0;
};
