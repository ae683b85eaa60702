#include "skin/controls/TsCheckBox.h"

#include <QPainter>

#include "skin/controls/CheckablePainter.h"
#include "skin/controls/PlainLook.h"
#include "skin/controls/TsSkinManager.h"

TsCheckBox::TsCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) {
        const SkinIndexes& indexes = skinData_.Manager()->Skin().CachedIndexes;
        const int glyph = checkState() == Qt::Checked            ? indexes.BoxChecked
                          : checkState() == Qt::PartiallyChecked ? indexes.BoxGrayed
                                                                 : indexes.BoxUnchecked;
        CheckablePainter::Paint(*this, skinData_, glyph, cache, background);
    });
}

void TsCheckBox::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        if (skinData_.PaintCached(painter, CheckablePainter::StateKey(*this, skinData_)))
            return;
    }
    PlainLook::PaintCheckable(*this, false);
}
