#include "skin/controls/TsRadioButton.h"

#include <QPainter>
#include <algorithm>

#include "skin/controls/CheckablePainter.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TsSkinManager.h"

TsRadioButton::TsRadioButton(QWidget* parent, int tag) : QRadioButton(parent), tag_(tag) {
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) {
        const SkinIndexes& indexes = skinData_.Manager()->Skin().CachedIndexes;
        CheckablePainter::Paint(*this, skinData_, isChecked() ? indexes.RadioChecked : indexes.RadioUnchecked, cache,
                                background);
    });
}

void TsRadioButton::SetCaption(const QString& caption) {
    setText(caption);
    resize(sizeHint());
}

// An exclusive button cannot be unchecked directly: exclusivity is lifted for the moment it takes.
void TsRadioButton::ClearSelection() {
    if (!isChecked())
        return;
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// Room above and below the caption for faces whose glyphs reach beyond their stated height.
QSize TsRadioButton::sizeHint() const {
    const QSize base = QRadioButton::sizeHint();
    return {base.width(), std::max(base.height(), fontMetrics().height() + 6)};
}

void TsRadioButton::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        if (skinData_.PaintCached(painter, CheckablePainter::StateKey(*this, skinData_)))
            return;
    }
    PlainLook::PaintCheckable(*this, true);
}
