#include "skin/raster/SectionLook.h"
#include "skin/loading/SkinNames.h"

SectionLook SectionLook::For(const SkinContent& skin, const QString& section) {
    SectionLook look;
    look.SectionIdx = skin.SectionIndexOf(section);
    if (look.SectionIdx < 0)
        return look;
    look.BorderMaskIdx = skin.Sections[static_cast<std::size_t>(look.SectionIdx)].BorderMaskIndex;
    look.TextureIdx = skin.TextureIndexOf(look.SectionIdx, section, SkinNames::Pattern);
    look.HotTextureIdx = skin.TextureIndexOf(look.SectionIdx, section, SkinNames::HotPattern);
    return look;
}

bool SectionLook::PlainSurface(const SkinContent& skin) const {
    if (SectionIdx < 0 || SectionIdx >= static_cast<int>(skin.Sections.size()))
        return false;
    if (BorderMaskIdx >= 0 && BorderMaskIdx < static_cast<int>(skin.Masks.size())) {
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(BorderMaskIdx)];
        if (mask.BorderLeft() + mask.BorderRight() > 30 || mask.BorderTop() + mask.BorderBottom() > 30)
            return false;
    }
    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(SectionIdx)];
    return section.GradientPercent == 0 && section.ImagePercent == 0;
}
