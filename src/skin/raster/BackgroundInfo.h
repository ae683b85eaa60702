#pragma once

#include <QImage>
#include <QPoint>

#include "skin/raster/Pixels.h"

// What a parent hands a child to show through it: its own composed picture with the child's place in
// it, or a plain colour (0xFF00FF = none).
struct BackgroundInfo {
    QImage ParentPicture;  // 24 bits
    int X = 0, Y = 0;
    int PlainColor = Pixels::kNoColor;
    bool Ready = false;

    bool HasPicture() const { return Ready && !ParentPicture.isNull(); }
    // The parent's pixel under `at` of a picture whose origin lies at `origin` in the parent's, if any.
    bool ParentPixel(QPoint origin, QPoint at, Pixels::Rgb& out) const {
        const QPoint p = origin + QPoint(X, Y) + at;
        if (!HasPicture() || !ParentPicture.valid(p))
            return false;
        out = Pixels::Get(ParentPicture, p.x(), p.y());
        return true;
    }
};
