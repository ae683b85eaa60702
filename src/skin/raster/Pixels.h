#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <cmath>

// Per-pixel access to the 24-bit pictures the painting works on, and the integer blends it uses.
// Skin colours keep red in the lowest byte; in a 24-bit scan line red comes first, so they map byte for byte.
namespace Pixels {

struct Rgb {
    int R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

constexpr int kNoColor = 0xFF00FF;
constexpr Rgb kKey{255, 0, 255};  // transparent in skin pictures

constexpr Rgb FromSkinColor(int color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}
constexpr int ToSkinColor(Rgb c) {
    return c.R | (c.G << 8) | (c.B << 16);
}
// Each channel k × a + (1 − k) × b, rounded; the top byte of a stays.
inline int BlendColors(int a, int b, double k) {
    const auto channel = [&](int shift) {
        return static_cast<int>(std::lround(((a >> shift) & 0xFF) * k + ((b >> shift) & 0xFF) * (1 - k))) << shift;
    };
    return (a & ~0xFFFFFF) | channel(0) | channel(8) | channel(16);
}
inline QColor ToQColor(int color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}
inline int FromQColor(const QColor& color) {
    return ToSkinColor({color.red(), color.green(), color.blue()});
}

inline Rgb Get(const QImage& image, int x, int y) {
    const uchar* p = image.constScanLine(y) + x * 3;
    return {p[0], p[1], p[2]};
}
inline void Set(QImage& image, int x, int y, Rgb c) {
    uchar* p = image.scanLine(y) + x * 3;
    p[0] = static_cast<uchar>(c.R);
    p[1] = static_cast<uchar>(c.G);
    p[2] = static_cast<uchar>(c.B);
}

template <typename F>
constexpr Rgb PerChannel(Rgb a, Rgb b, F f) {
    return {f(a.R, b.R), f(a.G, b.G), f(a.B, b.B)};
}

// a × k + b × (255 − k), rounded by the 256 divisor: the weighting of textures against gradients and of
// a parent against a half-transparent child.
constexpr Rgb MixByte(Rgb a, Rgb b, int k) {
    return PerChannel(a, b, [k](int x, int y) { return (x * k + y * (255 - k) + 127) / 256; });
}
// old × p/100 + colour × (1 − p/100), rounded to the nearest integer.
constexpr Rgb MixPercent(Rgb old, Rgb color, int p) {
    return PerChannel(old, color, [p](int x, int y) { return (x * p + y * (100 - p) + 50) / 100; });
}
// A shadow of intensity k (0 to 255) over what lies beneath: (old × (255 − k) + shadow × k) div 256.
constexpr Rgb ShadowOver(Rgb old, Rgb shadow, int k) {
    return PerChannel(old, shadow, [k](int o, int s) { return (o * (255 - k) + s * k) / 256; });
}
// A mask row: black shows the image, white keeps what lies beneath.
constexpr Rgb ThroughMask(Rgb image, Rgb beneath, Rgb mask) {
    return {image.R + (beneath.R - image.R) * mask.R / 256, image.G + (beneath.G - image.G) * mask.G / 256,
            image.B + (beneath.B - image.B) * mask.B / 256};
}

// A pixel of opacity `alpha` (0 to 255) over what lies beneath: (pixel × alpha + beneath × (255 − alpha)) / 255,
// rounded.
constexpr Rgb OverByAlpha(Rgb pixel, Rgb beneath, int alpha) {
    return PerChannel(pixel, beneath, [alpha](int p, int b) { return (p * alpha + b * (255 - alpha) + 127) / 255; });
}

// Every painting step works on 24-bit pictures; sources of other depths are converted once on entry.
inline QImage As24(const QImage& image) {
    return image.format() == QImage::Format_RGB888 ? image : image.convertToFormat(QImage::Format_RGB888);
}

void Fill(QImage& image, const QRect& rect, Rgb color);

// Replaces every pixel of `area` (clipped to the picture) by f(x, y, pixel), working a scan line at a time.
template <typename F>
void Transform(QImage& image, const QRect& area, F f) {
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        uchar* p = image.scanLine(y) + clipped.left() * 3;
        for (int x = clipped.left(); x <= clipped.right(); ++x, p += 3) {
            const Rgb c = f(x, y, Rgb{p[0], p[1], p[2]});
            p[0] = static_cast<uchar>(c.R);
            p[1] = static_cast<uchar>(c.G);
            p[2] = static_cast<uchar>(c.B);
        }
    }
}
// Replaces every pixel of `area` (clipped to the picture) by f(pixel, pixel of `other`), where `other`'s
// top-left pixel lies at `area`'s top-left corner; `other` is 24 bits and covers the area.
template <typename F>
void Combine(QImage& image, const QRect& area, const QImage& other, F f) {
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        uchar* p = image.scanLine(y) + clipped.left() * 3;
        const uchar* q = other.constScanLine(y - area.top()) + (clipped.left() - area.left()) * 3;
        for (int x = clipped.left(); x <= clipped.right(); ++x, p += 3, q += 3) {
            const Rgb c = f(Rgb{p[0], p[1], p[2]}, Rgb{q[0], q[1], q[2]});
            p[0] = static_cast<uchar>(c.R);
            p[1] = static_cast<uchar>(c.G);
            p[2] = static_cast<uchar>(c.B);
        }
    }
}
// Copies `from` of `source` to `at`, clipped to both pictures.
void Blit(QImage& target, QPoint at, const QImage& source, const QRect& from);
// Repeats `source` from the top-left of `area`, the last column and row cut off.
void Tile(QImage& target, const QRect& area, const QImage& source);
// Smoothly scales `source` to the size of `area`.
void Stretch(QImage& target, const QRect& area, const QImage& source);

}  // namespace Pixels
