#include "skin/raster/ItemPainter.h"

#include <cstdint>

#include "skin/loading/SkinNames.h"
#include "skin/raster/GradientPainter.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/TexturePainter.h"

namespace ItemPainter {

namespace {

using Pixels::Rgb;

// The section's values for one state, as the background uses them.
struct FillValues {
    int Color = 0;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TsGradArray* Steps = nullptr;
    QImage Texture;  // a small slice laid out by TextureMode, or a large pattern tiled
    int TextureMode = 0;
};

FillValues ValuesFor(const SkinContent& skin, const SectionLook& look, int state) {
    FillValues v;
    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(look.SectionIdx)];
    if (look.CustomColor) {
        v.Color = *look.CustomColor;
        return v;
    }
    const bool hot = state >= 1;
    v.Color = hot ? section.HotColor : section.Color;
    v.Transparency = hot ? section.HotTransparency : section.Transparency;
    v.ImagePercent = hot ? section.HotImagePercent : section.ImagePercent;
    v.GradientPercent = hot ? section.HotGradientPercent : section.GradientPercent;
    v.Steps = hot ? &section.HotGradientSteps : &section.GradientSteps;
    const int textureIdx = hot ? look.HotTextureIdx : look.TextureIdx;
    if (textureIdx >= 0 && textureIdx < static_cast<int>(skin.Masks.size()) &&
        skin.Masks[static_cast<std::size_t>(textureIdx)].MaskType == 0) {
        const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(textureIdx)];
        v.Texture = TexturePainter::SourceOf(skin, mask);
        v.TextureMode = mask.PaintMode;
    } else {
        const int pattern =
            skin.PatternIndexOf(look.SectionIdx, section.Name, hot ? SkinNames::HotPattern : SkinNames::Pattern);
        if (pattern >= 0)
            v.Texture = Pixels::As24(skin.Patterns[static_cast<std::size_t>(pattern)].Photo);
    }
    return v;
}

void PaintGradientOrColor(QImage& target, const QRect& area, const FillValues& v) {
    if (v.Steps && !v.Steps->empty())
        GradientPainter::Paint(target, area, *v.Steps);
    else
        Pixels::Fill(target, area, Pixels::FromSkinColor(v.Color));
}

// The section's own surface over `area` of `target`, without the parent: texture, gradient and colour by
// their percentages.
void PaintOwnFill(QImage& target, const QRect& area, const FillValues& v, const BackgroundInfo& background) {
    const Rgb color = Pixels::FromSkinColor(v.Color);
    bool textured = false;
    if (v.ImagePercent > 0) {
        if (v.Texture.isNull()) {
            Pixels::Fill(target, area, color);
        } else {
            // Bands, and whole tiles that stop short of the bottom, leave the rest to the colour.
            if (v.TextureMode != 0 && v.TextureMode != 1)
                Pixels::Fill(target, area, color);
            // Large patterns have no slice layout of their own; they are tiled like mode 0.
            TexturePainter::Paint(target, area, v.Texture, v.TextureMode);
            textured = true;
        }
    }
    if (v.GradientPercent > 0) {
        if (textured) {
            QImage gradient(area.size(), QImage::Format_RGB888);
            PaintGradientOrColor(gradient, gradient.rect(), v);
            const int k = static_cast<std::uint8_t>(v.ImagePercent * 256 / 100);
            Pixels::Combine(target, area, gradient,
                            [k](Rgb texture, Rgb shade) { return Pixels::MixByte(texture, shade, k); });
        } else {
            PaintGradientOrColor(target, area, v);
        }
    }
    const int p = v.ImagePercent + v.GradientPercent;
    if (p >= 1 && p <= 99) {
        Pixels::Transform(target, area, [&](int, int, Rgb old) { return Pixels::MixPercent(old, color, p); });
    } else if (p != 100) {
        const bool plain = v.Transparency == 100 && !background.HasPicture();
        Pixels::Fill(target, area, plain ? Pixels::FromSkinColor(background.PlainColor) : color);
    }
}

// The section's own fill, combined with what lies beneath by its transparency. An opaque one is painted
// straight into the target.
void PaintFill(const FillValues& v, const BackgroundInfo& background, QImage& target, QPoint offset,
               const QRect& area) {
    const bool showsParent = (background.Ready || background.PlainColor != Pixels::kNoColor) && v.Transparency > 0;
    if (!showsParent) {
        PaintOwnFill(target, area, v, background);
        return;
    }
    PaintParent(target, area, background, offset);
    if (v.Transparency >= 100)
        return;
    QImage own(area.size(), QImage::Format_RGB888);
    PaintOwnFill(own, own.rect(), v, background);
    const int k = v.Transparency * 255 / 100;
    Pixels::Combine(target, area, own, [k](Rgb parent, Rgb surface) { return Pixels::MixByte(parent, surface, k); });
}

// Unlike a bare size check, containment also refuses a rectangle that runs past the right or bottom.
bool Paintable(const SkinContent& skin, const SectionLook& look, const QImage& target, const QRect& area) {
    return look.SectionIdx >= 0 && look.SectionIdx < static_cast<int>(skin.Sections.size()) && !area.isEmpty() &&
           target.rect().contains(area);
}

}  // namespace

void PaintParent(QImage& target, const QRect& area, const BackgroundInfo& background, QPoint offset) {
    if (!background.HasPicture() || background.PlainColor != Pixels::kNoColor)
        Pixels::Fill(target, area, Pixels::FromSkinColor(background.PlainColor));
    if (background.HasPicture()) {
        const QPoint from = offset + QPoint(background.X, background.Y);
        Pixels::Blit(target, area.topLeft(), background.ParentPicture, QRect(from, area.size()));
    }
}

void PaintBackground(const SkinContent& skin, const SectionLook& look, const BackgroundInfo& background, int state,
                     QImage& target, QPoint offset, const QRect& area) {
    if (!Paintable(skin, look, target, area))
        return;
    const FillValues v = ValuesFor(skin, look, state);
    PaintFill(v, background, target, offset, area);
    // A texture with a mask row lies over the finished background, in the normal state only.
    if (state == 0 && !look.CustomColor && look.TextureIdx >= 0 &&
        look.TextureIdx < static_cast<int>(skin.Masks.size())) {
        const TsMaskData& texture = skin.Masks[static_cast<std::size_t>(look.TextureIdx)];
        if (texture.MaskType >= 1 && texture.PaintMode == 10)
            MaskPainter::DrawMaskedTexture(target, area, skin, look.TextureIdx, background, offset - area.topLeft());
    }
}

void PaintItem(const SkinContent& skin, const SectionLook& look, const BackgroundInfo& background, bool filling,
               int state, QImage& target, QPoint offset, const QRect& area) {
    if (!Paintable(skin, look, target, area))
        return;
    PaintBackground(skin, look, background, state, target, offset, area);
    const QPoint origin = offset - area.topLeft();
    MaskPainter::DrawBorder(target, area, filling, state, skin, look.BorderMaskIdx, background, origin);

    const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(look.SectionIdx)];
    const auto ornament = [&](int maskIndex, bool right, bool bottom) {
        if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()))
            return;
        const QSize glyph = skin.Masks[static_cast<std::size_t>(maskIndex)].GlyphSize();
        const QPoint at(right ? area.right() + 1 - glyph.width() : area.left(),
                        bottom ? area.bottom() + 1 - glyph.height() : area.top());
        MaskPainter::DrawGlyph(target, at, state, skin, maskIndex, background, origin);
    };
    ornament(section.ImgTopLeft, false, false);
    ornament(section.ImgTopRight, true, false);
    ornament(section.ImgBottomLeft, false, true);
    ornament(section.ImgBottomRight, true, true);
}

}  // namespace ItemPainter
