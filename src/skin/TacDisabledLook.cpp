#include "skin/TacDisabledLook.h"

#include "skin/TsBackgroundInfo.h"

namespace TacDisabledLook {

void Apply(QImage& picture, int kind, const TsBackgroundInfo& background, int plainColor) {
    using TacPixels::Rgb;
    if (kind & dkGrayed) {
        TacPixels::Transform(picture, picture.rect(), [](int, int, Rgb c) {
            const int grey = (c.R * 77 + c.G * 151 + c.B * 28) >> 8;
            return Rgb{grey, grey, grey};
        });
    }
    if (!(kind & dkBlended))
        return;
    const Rgb plain = TacPixels::FromSkinColor(plainColor);
    TacPixels::Transform(picture, picture.rect(), [&](int x, int y, Rgb own) {
        Rgb parent;
        const bool fromPicture = background.ParentPixel(QPoint(0, 0), QPoint(x, y), parent);
        return fromPicture ? TacPixels::MixPercent(own, parent, 40) : TacPixels::MixPercent(own, plain, 50);
    });
}

}  // namespace TacDisabledLook
