#include "skin/TsRadioButton.h"

#include <QPainter>
#include <algorithm>

#include "skin/PlainLook.h"
#include "skin/TacCheckablePainter.h"
#include "skin/TsSkinManager.h"

TsRadioButton::TsRadioButton(QWidget* parent, int tag) : QRadioButton(parent), tag_(tag) {
    skinData_.SetPainter([this](QImage& cache, const TsBackgroundInfo& background) {
        const TsCachedIndexes& indexes = skinData_.Manager()->Skin().CachedIndexes;
        TacCheckablePainter::Paint(*this, skinData_, isChecked() ? indexes.RadioChecked : indexes.RadioUnchecked, cache,
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
        if (skinData_.PaintCached(painter, TacCheckablePainter::StateKey(*this, skinData_)))
            return;
    }
    PlainLook::PaintCheckable(*this, true);
}
