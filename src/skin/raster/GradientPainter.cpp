#include "skin/raster/GradientPainter.h"

#include <algorithm>
#include <array>

#include "skin/raster/Pixels.h"

namespace GradientPainter {

namespace {

using Pixels::Rgb;

// From `from` at step 0 to `to` at step count − 1.
Rgb Along(Rgb from, Rgb to, int step, int count) {
    if (count <= 1)
        return from;
    return Pixels::PerChannel(from, to, [&](int a, int b) { return a + (b - a) * step / (count - 1); });
}

// Bands of `Share` per cent each along the rows (or columns); the last band runs to the far edge.
void PaintBands(QImage& target, const QRect& area, const TsGradArray& steps, bool alongColumns) {
    const int extent = alongColumns ? area.width() : area.height();
    int start = 0;
    for (std::size_t i = 0; i < steps.size() && start < extent; ++i) {
        const bool last = i + 1 == steps.size();
        const int count = last ? extent - start : std::min(extent * steps[i].Share / 100, extent - start);
        const Rgb from = Pixels::FromSkinColor(steps[i].FromColor);
        const Rgb to = Pixels::FromSkinColor(steps[i].ToColor);
        for (int k = 0; k < count; ++k) {
            const Rgb color = Along(from, to, k, count);
            const QRect line = alongColumns ? QRect(area.left() + start + k, area.top(), 1, area.height())
                                            : QRect(area.left(), area.top() + start + k, area.width(), 1);
            Pixels::Fill(target, line, color);
        }
        start += count;
    }
}

struct Vertex {
    int X, Y;
    Rgb Color;
};

// Twice the signed area of (a, b, p): the weight of the vertex opposite the edge a–b.
long long Edge(const Vertex& a, const Vertex& b, int px, int py) {
    return static_cast<long long>(b.X - a.X) * (py - a.Y) - static_cast<long long>(b.Y - a.Y) * (px - a.X);
}

// The colour at (px, py) inside the triangle, by its barycentric weights, or false when outside.
bool InTriangle(const Vertex& a, const Vertex& b, const Vertex& c, int px, int py, Rgb& out) {
    long long area = Edge(a, b, c.X, c.Y);
    long long wa = Edge(b, c, px, py), wb = Edge(c, a, px, py), wc = Edge(a, b, px, py);
    if (area == 0)
        return false;
    if (area < 0) {
        area = -area;
        wa = -wa, wb = -wb, wc = -wc;
    }
    if (wa < 0 || wb < 0 || wc < 0)
        return false;
    const auto mix = [&](int ca, int cb, int cc) {
        return static_cast<int>((wa * ca + wb * cb + wc * cc + area / 2) / area);
    };
    out = {mix(a.Color.R, b.Color.R, c.Color.R), mix(a.Color.G, b.Color.G, c.Color.G),
           mix(a.Color.B, b.Color.B, c.Color.B)};
    return true;
}

// Corner colours come from the first five steps: top-left, centre, top-right, bottom-right, bottom-left;
// a missing step repeats the colour before it.
void PaintTriangles(QImage& target, const QRect& area, const TsGradArray& steps) {
    std::array<Rgb, 5> colors;
    for (std::size_t i = 0; i < colors.size(); ++i)
        colors[i] = i < steps.size() ? Pixels::FromSkinColor(steps[i].FromColor) : colors[i - 1];
    const int w = area.width() - 1, h = area.height() - 1;
    const Vertex topLeft{0, 0, colors[0]}, centre{area.width() / 2, area.height() / 2, colors[1]},
        topRight{w, 0, colors[2]}, bottomRight{w, h, colors[3]}, bottomLeft{0, h, colors[4]};
    const std::array<std::array<Vertex, 2>, 4> sides{
        {{topLeft, topRight}, {topRight, bottomRight}, {bottomRight, bottomLeft}, {bottomLeft, topLeft}}};
    for (int y = 0; y <= h; ++y) {
        for (int x = 0; x <= w; ++x) {
            if (!target.valid(area.left() + x, area.top() + y))
                continue;
            Rgb color = colors[0];
            for (const auto& side : sides) {
                if (InTriangle(side[0], side[1], centre, x, y, color))
                    break;
            }
            Pixels::Set(target, area.left() + x, area.top() + y, color);
        }
    }
}

}  // namespace

void Paint(QImage& target, const QRect& area, const TsGradArray& steps) {
    if (steps.empty() || area.isEmpty())
        return;
    if (steps.front().Direction == 2)
        PaintTriangles(target, area, steps);
    else
        PaintBands(target, area, steps, steps.front().Direction == 1);
}

}  // namespace GradientPainter
