#include "skin/controls/ControlPainter.h"

#include <QPainter>
#include <QWidget>

#include "skin/controls/SkinCommandEvent.h"
#include "skin/controls/TsCommonData.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/loading/SkinNames.h"
#include "skin/raster/ItemPainter.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/Pixels.h"
#include "skin/raster/TextPainter.h"

void ControlPainter::PaintItem(QImage& cache, const BackgroundInfo& background, bool filling, int state,
                               const QRect& area) const {
    ItemPainter::PaintItem(data_.Manager()->Skin(), data_.PaintLook(), background, filling, state, cache,
                           area.topLeft(), area);
}

void ControlPainter::PaintBackground(QImage& cache, const BackgroundInfo& background, int state,
                                     const QRect& area) const {
    ItemPainter::PaintBackground(data_.Manager()->Skin(), data_.PaintLook(), background, state, cache, area.topLeft(),
                                 area);
}

void ControlPainter::PaintBorder(QImage& cache, const BackgroundInfo& background, bool filling, int state,
                                 const QRect& area) const {
    MaskPainter::DrawBorder(cache, area, filling, state, data_.Manager()->Skin(), data_.Look().BorderMaskIdx,
                            background, QPoint(0, 0));
}

void ControlPainter::PaintParent(QImage& cache, const BackgroundInfo& background, const QRect& area) const {
    ItemPainter::PaintParent(cache, area, background, area.topLeft());
}

void ControlPainter::DrawGlyph(QImage& cache, int maskIndex, QPoint at, int state,
                               const BackgroundInfo& background) const {
    MaskPainter::DrawGlyph(cache, at, state, data_.Manager()->Skin(), maskIndex, background, QPoint(0, 0));
}

const TsGeneralData* ControlPainter::TextSection(bool hot) const {
    TsSkinManager* manager = data_.Manager();
    if (!manager || !manager->SkinData().SkinReady)
        return nullptr;
    const SkinContent& skin = manager->Skin();
    const TsGeneralData* own = data_.IsSkinnedNow() ? &data_.Section() : nullptr;
    const bool ownTransparent = !own || (hot ? own->HotTransparency : own->Transparency) >= 100;
    if (!(data_.KindCode() & TsCommonData::kfTextFromAncestor) || !ownTransparent)
        return own;
    for (QWidget* ancestor = data_.Host()->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        const int index = SkinCommandEvent::Send(ancestor, cmdSectionIndex, 0, manager) - 1;
        if (index >= 0 && index < static_cast<int>(skin.Sections.size())) {
            const TsGeneralData& section = skin.Sections[static_cast<std::size_t>(index)];
            if (section.Transparency > 50)
                continue;
            return section.GiveOwnFont ? &section : own;
        }
        if (ancestor->isWindow())
            break;
    }
    return own;
}

void ControlPainter::DrawText(QPainter& painter, const QString& text, const QRect& area, int flags, bool hot) const {
    const QWidget* host = data_.Host();
    painter.save();
    QFont font = host->font();
    if (hot && data_.SkinSection() == SkinNames::WebButton)
        font.setUnderline(true);
    painter.setFont(font);
    painter.setClipRect(area);
    const TsGeneralData* section = TextSection(hot);
    if (data_.CustomFont() || !section) {
        TextPainter::DrawPlain(painter, text, area, flags,
                               Pixels::FromQColor(host->palette().color(QPalette::WindowText)));
    } else {
        TextPainter::Draw(painter, text, area, flags, *section, hot, host->isEnabled(), data_.GlobalColor());
    }
    painter.restore();
}

void ControlPainter::PaintFocusFrame(QImage& cache) const {
    constexpr int kFocusMargin = 1;
    QPainter painter(&cache);
    painter.setPen(QPen(Pixels::ToQColor(data_.Section().FontColor), 1, Qt::DotLine));
    painter.drawRect(cache.rect().adjusted(kFocusMargin + 2, kFocusMargin + 2, -kFocusMargin - 3, -kFocusMargin - 3));
}
