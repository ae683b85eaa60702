#include "skin/raster/DisabledLook.h"

#include "skin/raster/BackgroundInfo.h"

namespace DisabledLook {

void Apply(QImage& picture, int kind, const BackgroundInfo& background, int plainColor) {
    using Pixels::Rgb;
    if (kind & dkGrayed) {
        Pixels::Transform(picture, picture.rect(), [](int, int, Rgb c) {
            const int grey = (c.R * 77 + c.G * 151 + c.B * 28) >> 8;
            return Rgb{grey, grey, grey};
        });
    }
    if (!(kind & dkBlended))
        return;
    const Rgb plain = Pixels::FromSkinColor(plainColor);
    Pixels::Transform(picture, picture.rect(), [&](int x, int y, Rgb own) {
        Rgb parent;
        const bool fromPicture = background.ParentPixel(QPoint(0, 0), QPoint(x, y), parent);
        return fromPicture ? Pixels::MixPercent(own, parent, 40) : Pixels::MixPercent(own, plain, 50);
    });
}

}  // namespace DisabledLook
