#pragma once

#include <QImage>
#include <QRect>

#include "skin/loading/GradientStep.h"

// Paints a section's gradient into a 24-bit picture. The first step's direction decides: bands from the
// top (0, and any unknown direction), bands from the left (1), or four triangles meeting in the centre (2).
namespace GradientPainter {

void Paint(QImage& target, const QRect& area, const TsGradArray& steps);

}  // namespace GradientPainter
