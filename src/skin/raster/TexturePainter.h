#pragma once

#include <QImage>
#include <QRect>

#include "skin/loading/SkinContent.h"

// Draws textures: small slices laid out by their mask's fill mode, and large patterns tiled.
namespace TexturePainter {

// The first state image of a texture mask (of its own picture, or of the master bitmap), 24 bits.
QImage SourceOf(const SkinContent& skin, const TsMaskData& mask);

// Lays `source` over `area` by `mode`. Bands (modes 2 to 7) leave the rest of the area as it was.
void Paint(QImage& target, const QRect& area, const QImage& source, int mode);

}  // namespace TexturePainter
