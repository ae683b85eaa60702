#include "skin/controls/TsEdit.h"

#include <QPainter>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/TsSkinManager.h"

TsEdit::TsEdit(QWidget* parent) : QLineEdit(parent) {
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintSkinned(cache, background); });
    UseLook(false);
}

void TsEdit::UseLook(bool skinned) {
    skinnedLook_ = skinned;
    QPalette colours = palette();
    QMargins margins;
    if (skinned) {
        const TsGeneralData& section = skinData_.Section();
        const SkinContent& skin = skinData_.Manager()->Skin();
        const int mask = skinData_.Look().BorderMaskIdx;
        if (mask >= 0 && mask < static_cast<int>(skin.Masks.size())) {
            const TsMaskData& border = skin.Masks[static_cast<std::size_t>(mask)];
            margins = {border.BorderLeft(), border.BorderTop(), border.BorderRight(), border.BorderBottom()};
        }
        // The composed picture is the surface; the edit draws only its text, selection and cursor over it.
        colours.setColor(QPalette::Base, Qt::transparent);
        if (!skinData_.CustomFont()) {
            const bool hot = skinData_.HotNow();
            colours.setColor(QPalette::Text, Pixels::ToQColor(hot ? section.HotFontColor : section.FontColor));
        }
    } else {
        colours.setColor(QPalette::Base, Qt::white);
        colours.setColor(QPalette::Text, Qt::black);
    }
    // Each of these repaints the edit, so only what changed is set.
    if (hasFrame() == skinned)
        setFrame(!skinned);
    if (textMargins() != margins)
        setTextMargins(margins);
    if (colours != palette())
        setPalette(colours);
}

void TsEdit::PaintSkinned(QImage& cache, const BackgroundInfo& background) {
    ControlPainter(skinData_).PaintItem(cache, background, true, skinData_.HotNow() ? 1 : 0, cache.rect());
    if (isEnabled())
        return;
    QPainter painter(&cache);
    painter.setFont(font());
    const QMargins margins = textMargins();
    ControlPainter(skinData_).DrawText(painter, displayText(),
                                       cache.rect().marginsRemoved(margins).adjusted(2, 0, -2, 0),
                                       Qt::AlignVCenter | Qt::AlignLeft, false);
}

void TsEdit::paintEvent(QPaintEvent* event) {
    const bool skinned = skinData_.IsSkinnedNow();
    if (skinned != skinnedLook_ || skinned)
        UseLook(skinned);
    if (skinned) {
        QPainter painter(this);
        skinData_.PaintCached(painter, {.State = skinData_.HotNow() ? 1 : 0,
                                        .Enabled = isEnabled(),
                                        .Text = isEnabled() ? QString() : displayText()});
        if (!isEnabled())
            return;
    }
    QLineEdit::paintEvent(event);
}
