#pragma once

#include <QString>
#include <vector>

// One band of a gradient. Direction counts in the first step only: 0 vertical bands from the top,
// 1 horizontal bands from the left, 2 four triangles meeting in the centre.
struct GradientStep {
    int FromColor = 0;
    int ToColor = 0;
    int Share = 0;  // per cent of the surface, 0..100
    int Direction = 0;

    bool operator==(const GradientStep&) const = default;
};
using TsGradArray = std::vector<GradientStep>;

// Reads ";"-separated numbers five at a time (from, to, share, direction, reserved); a trailing
// incomplete group is dropped. A part that is not a number fails the load; `where` names the key.
TsGradArray ParseGradientData(const QString& data, const QString& where);
