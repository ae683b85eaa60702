#include "skin/frame/FramePainter.h"

#include <QPainter>

#include "skin/loading/SkinContent.h"
#include "skin/loading/SkinNames.h"
#include "skin/raster/ItemPainter.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/Pixels.h"
#include "skin/raster/SectionLook.h"
#include "skin/raster/TextPainter.h"

namespace {

int StateOf(const FrameScene& scene) {
    return scene.FormActive ? 1 : 0;
}

int BandHeight(const FrameScene& scene) {
    return scene.Title.Frame.top() + scene.Title.TitleHeight;
}

QString TitleSectionOf(const FrameScene& scene) {
    return scene.TitleSection.isEmpty() ? SkinNames::FormTitle : scene.TitleSection;
}

const TsGeneralData* SectionAt(const SkinContent& skin, int index) {
    if (index < 0 || index >= static_cast<int>(skin.Sections.size()))
        return nullptr;
    return &skin.Sections[static_cast<std::size_t>(index)];
}

const TsMaskData* MaskAt(const SkinContent& skin, int index) {
    if (index < 0 || index >= static_cast<int>(skin.Masks.size()))
        return nullptr;
    return &skin.Masks[static_cast<std::size_t>(index)];
}

// A plain section that shows nothing through it: filling its colour shows the same as composing it.
bool IsOpaque(const SkinContent& skin, const SectionLook& look) {
    return look.PlainSurface(skin) && skin.Sections[static_cast<std::size_t>(look.SectionIdx)].Transparency == 0;
}

// The form paints its client area itself, so a plain section needs only its top part and frame: the
// colour there, and the border mask over the whole window without its centre.
void PaintOpaqueForm(const SkinContent& skin, const SectionLook& look, const FrameScene& scene, QImage& picture) {
    const TsGeneralData& section = *SectionAt(skin, look.SectionIdx);
    const Pixels::Rgb color = Pixels::FromSkinColor(scene.FormActive ? section.HotColor : section.Color);
    const QMargins& frame = scene.Title.Frame;
    const int width = picture.width(), height = picture.height();
    Pixels::Fill(picture, QRect(0, 0, width, BandHeight(scene) + 1), color);
    Pixels::Fill(picture, QRect(0, 0, frame.left(), height), color);
    Pixels::Fill(picture, QRect(width - frame.right(), 0, frame.right(), height), color);
    Pixels::Fill(picture, QRect(0, height - frame.bottom(), width, frame.bottom()), color);
    MaskPainter::DrawBorder(picture, picture.rect(), false, StateOf(scene), skin, look.BorderMaskIdx, BackgroundInfo{},
                            QPoint(0, 0));
}

void PaintForm(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    const SectionLook look = SectionLook::For(skin, scene.FormSection);
    if (IsOpaque(skin, look)) {
        PaintOpaqueForm(skin, look, scene, picture);
        return;
    }
    const QRect area =
        scene.Minimized ? QRect(0, 0, picture.width(), BandHeight(scene) + 1) & picture.rect() : picture.rect();
    ItemPainter::PaintItem(skin, look, BackgroundInfo{}, true, StateOf(scene), picture, QPoint(0, 0), area);
}

// The "GRIPIMAGE" glyph of "GLOBALINFO" in the client area's bottom-right corner.
void PaintGrip(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    const int index =
        skin.MaskIndexOf(skin.CachedIndexes.GlobalInfo, SkinNames::GlobalInfo, QStringLiteral("GRIPIMAGE"));
    const TsMaskData* mask = MaskAt(skin, index);
    if (!scene.Grip || scene.Minimized || !mask)
        return;
    const QPoint at(picture.width() - scene.Title.Frame.right() - mask->ImageWidth(),
                    picture.height() - scene.Title.Frame.bottom() - mask->RowHeight());
    MaskPainter::DrawGlyph(picture, at, 0, skin, index, BackgroundInfo{}, QPoint(0, 0));
}

// The title section lies over the form's picture, which shows through where the section is transparent:
// `band` is the form's painting of the band (a minimised window's title covers all of it).
void PaintTitleBand(const SkinContent& skin, const FrameScene& scene, const QImage& band, QImage& picture) {
    if (scene.Title.TitleHeight <= 0)
        return;
    const QRect area = scene.Minimized ? picture.rect() : QRect(0, 0, picture.width(), BandHeight(scene));
    BackgroundInfo form;
    // A copy of its own: sharing the picture painted into would copy all of it at the first change.
    form.ParentPicture = band.rect().contains(area & picture.rect()) ? band : picture.copy();
    form.Ready = true;
    ItemPainter::PaintItem(skin, SectionLook::For(skin, TitleSectionOf(scene)), form, true, StateOf(scene), picture,
                           QPoint(0, 0), area & picture.rect());
}

void PaintIcon(const FrameScene& scene, QImage& picture) {
    if (scene.Icon.isNull() || scene.Title.IconSize.isEmpty())
        return;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(scene.Title.IconRect, scene.Icon);
}

// The form section's "TITLEBAR" mask under the buttons, reaching a third of one of its images past them.
void PaintTitleOrnament(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    if (scene.Title.Buttons.empty())
        return;
    const int index =
        skin.MaskIndexOf(skin.SectionIndexOf(scene.FormSection), scene.FormSection, QStringLiteral("TITLEBAR"));
    const TsMaskData* mask = MaskAt(skin, index);
    if (!mask)
        return;
    const int width = scene.Title.ButtonsWidth + mask->ImageWidth() / 3;
    MaskPainter::DrawBorder(picture, QRect(picture.width() - width, 0, width, BandHeight(scene)), true, StateOf(scene),
                            skin, index, BackgroundInfo{}, QPoint(0, 0));
}

TitleButtonState ButtonStateOf(const FrameScene& scene, std::size_t button) {
    return button < scene.Buttons.size() ? scene.Buttons[button] : TitleButtonState{};
}

void DrawButton(const SkinContent& skin, const TitleButton& button, int state, bool dimmed, QImage& picture) {
    const auto draw = dimmed ? MaskPainter::DrawDimmedGlyph : MaskPainter::DrawGlyph;
    draw(picture, button.Rect.topLeft(), state, skin, button.GlyphIndex, BackgroundInfo{}, QPoint(0, 0));
}

void PaintButtons(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    for (std::size_t i = 0; i < scene.Title.Buttons.size(); ++i) {
        const TitleButton& button = scene.Title.Buttons[i];
        if (button.GlyphIndex < 0)
            continue;
        const TitleButtonState state = ButtonStateOf(scene, i);
        DrawButton(skin, button, state.State, !scene.FormActive || !state.Enabled, picture);
    }
}

// One line in the title section's text colours, centred on its measured height and cut with "..." when
// it is too long.
void PaintCaption(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    const QRect& area = scene.Title.CaptionRect;
    const int titleIndex = skin.SectionIndexOf(TitleSectionOf(scene));
    const TsGeneralData* section =
        SectionAt(skin, titleIndex >= 0 ? titleIndex : skin.SectionIndexOf(scene.FormSection));
    if (scene.Caption.isEmpty() || area.isEmpty() || !section)
        return;
    QPainter painter(&picture);
    QFont font = scene.CaptionFont;
    font.setBold(true);
    painter.setFont(font);
    painter.setClipRect(area);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect line(area.left(), area.top() + (area.height() - metrics.height()) / 2, area.width(), metrics.height());
    const int flags =
        static_cast<int>(scene.CaptionAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine;
    TextPainter::Draw(painter, TextPainter::CutToFit(metrics, scene.Caption, area.width()), line, flags, *section,
                      scene.FormActive, scene.FormEnabled, TextPainter::GlobalColor(&skin));
}

// Everything of the title that lies under its buttons.
void PaintTitleGround(const SkinContent& skin, const FrameScene& scene, const QImage& band, QImage& picture) {
    PaintTitleBand(skin, scene, band, picture);
    PaintIcon(scene, picture);
    PaintTitleOrnament(skin, scene, picture);
}

}  // namespace

void FramePainter::PaintTitle(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    PaintTitleGround(skin, scene, titleBandCopy_, picture);
    buttonGround_ = picture.copy(0, 0, picture.width(), BandHeight(scene));
    PaintButtons(skin, scene, picture);
    PaintCaption(skin, scene, picture);
}

void FramePainter::Compose(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    if (picture.size() != scene.WindowSize || picture.format() != QImage::Format_RGB888)
        picture = QImage(scene.WindowSize, QImage::Format_RGB888);
    if (!PaintsClientArea(skin, scene.FormSection, scene.Minimized))
        picture.fill(Qt::black);
    PaintForm(skin, scene, picture);
    PaintGrip(skin, scene, picture);
    titleBandCopy_ = picture.copy(0, 0, picture.width(), BandHeight(scene));
    composedSize_ = scene.WindowSize;
    PaintTitle(skin, scene, picture);
}

bool FramePainter::PaintsClientArea(const SkinContent& skin, const QString& formSection, bool minimized) {
    return !minimized && !IsOpaque(skin, SectionLook::For(skin, formSection));
}

bool FramePainter::Fits(const FrameScene& scene, const QImage& picture) const {
    return !picture.isNull() && picture.size() == scene.WindowSize && composedSize_ == scene.WindowSize &&
           titleBandCopy_.height() == BandHeight(scene);
}

bool FramePainter::QuickTitleRepaint(const SkinContent& skin, const FrameScene& scene, QImage& picture) {
    if (!Fits(scene, picture))
        return false;
    Pixels::Blit(picture, QPoint(0, 0), titleBandCopy_, titleBandCopy_.rect());
    PaintTitle(skin, scene, picture);
    return true;
}

QRect FramePainter::RedrawButton(const SkinContent& skin, const FrameScene& scene, std::size_t button,
                                 QImage& picture) const {
    if (button >= scene.Title.Buttons.size() || !Fits(scene, picture))
        return {};
    const TitleButton& shown = scene.Title.Buttons[button];
    if (shown.GlyphIndex < 0)
        return {};
    Pixels::Blit(picture, shown.Rect.topLeft(), buttonGround_, shown.Rect);
    const TitleButtonState state = ButtonStateOf(scene, button);
    DrawButton(skin, shown, state.State, !state.Enabled || (state.State == 0 && !scene.FormActive), picture);
    return shown.Rect & picture.rect();
}
