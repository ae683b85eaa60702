#include "skin/TsCheckBox.h"

#include <QPainter>

#include "skin/PlainLook.h"
#include "skin/TacCheckablePainter.h"
#include "skin/TsSkinManager.h"

TsCheckBox::TsCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    skinData_.SetPainter([this](QImage& cache, const TsBackgroundInfo& background) {
        const TsCachedIndexes& indexes = skinData_.Manager()->Skin().CachedIndexes;
        const int glyph = checkState() == Qt::Checked            ? indexes.BoxChecked
                          : checkState() == Qt::PartiallyChecked ? indexes.BoxGrayed
                                                                 : indexes.BoxUnchecked;
        TacCheckablePainter::Paint(*this, skinData_, glyph, cache, background);
    });
}

void TsCheckBox::paintEvent(QPaintEvent*) {
    {
        QPainter painter(this);
        if (skinData_.PaintCached(painter, TacCheckablePainter::StateKey(*this, skinData_)))
            return;
    }
    PlainLook::PaintCheckable(*this, false);
}
