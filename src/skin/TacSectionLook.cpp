#include "skin/TacSectionLook.h"

TacSectionLook TacSectionLook::For(const TsSkinContent& skin, const QString& section) {
    TacSectionLook look;
    look.SectionIdx = skin.SectionIndexOf(section);
    if (look.SectionIdx < 0)
        return look;
    look.BorderMaskIdx = skin.Sections[static_cast<std::size_t>(look.SectionIdx)].BorderMaskIndex;
    look.TextureIdx = skin.TextureIndexOf(look.SectionIdx, section, QStringLiteral("PATTERN"));
    look.HotTextureIdx = skin.TextureIndexOf(look.SectionIdx, section, QStringLiteral("HOTPATTERN"));
    return look;
}
