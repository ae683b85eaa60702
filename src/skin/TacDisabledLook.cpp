#include "skin/TacDisabledLook.h"

#include "skin/TsBackgroundInfo.h"

namespace TacDisabledLook {

void Apply(QImage& picture, int kind, const TsBackgroundInfo& background, int plainColor) {
    using TacPixels::Rgb;
    if (kind & dkGrayed) {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const Rgb c = TacPixels::Get(picture, x, y);
                const int grey = (c.R * 77 + c.G * 151 + c.B * 28) >> 8;
                TacPixels::Set(picture, x, y, {grey, grey, grey});
            }
        }
    }
    if (!(kind & dkBlended))
        return;
    const Rgb plain = TacPixels::FromSkinColor(plainColor);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb own = TacPixels::Get(picture, x, y);
            Rgb parent;
            const bool fromPicture = background.ParentPixel(QPoint(0, 0), QPoint(x, y), parent);
            TacPixels::Set(
                picture, x, y,
                fromPicture ? TacPixels::MixPercent(own, parent, 40) : TacPixels::MixPercent(own, plain, 50));
        }
    }
}

}  // namespace TacDisabledLook
