#pragma once

#include <QString>
#include <optional>

#include "skin/loading/SkinContent.h"

// The indexes a skinned control holds for its section, looked up as the control does when a skin is
// loaded: the section, its border mask and its normal and hot textures (-1 = none).
struct SectionLook {
    int SectionIdx = -1;
    int BorderMaskIdx = -1;
    int TextureIdx = -1;
    int HotTextureIdx = -1;
    std::optional<int> CustomColor;  // the control's own colour in place of the section's fill

    static SectionLook For(const SkinContent& skin, const QString& section);
    // The section's surface is one plain colour inside a thin border (left + right and top + bottom margins
    // each at most 30): filling the colour shows what composing it would, where nothing shows through.
    bool PlainSurface(const SkinContent& skin) const;
};
