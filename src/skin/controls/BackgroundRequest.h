#pragma once

#include <QImage>
#include <cstdint>

#include "skin/raster/Pixels.h"

// What a child asks its parent for before composing itself: the parent fills in either a plain colour or
// its own composed picture, with the child's place in it still to be added by the child.
struct BackgroundRequest {
    enum Answer : std::uint8_t { NotAnswered = 0, Colour = 1, Picture = 2 };

    QImage ParentPicture;
    int PlainColor = Pixels::kNoColor;
    int X = 0, Y = 0;
    Answer Kind = NotAnswered;
};
