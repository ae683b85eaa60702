#pragma once

#include <QImage>

struct BackgroundInfo;

// The look of a disabled control's picture: greyed, then blended with what lies beneath it.
namespace DisabledLook {

enum Kind { dkBlended = 1, dkGrayed = 2 };

// `kind` is a set of Kind flags. Blending keeps 40 % of the control over the parent's picture, or half of
// it over `plainColor` (a skin colour) when there is no picture.
void Apply(QImage& picture, int kind, const BackgroundInfo& background, int plainColor);

}  // namespace DisabledLook
