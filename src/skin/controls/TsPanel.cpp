#include "skin/controls/TsPanel.h"

#include <QPainter>

#include "skin/controls/BottomAnchor.h"
#include "skin/controls/ControlPainter.h"
#include "skin/controls/PlainLook.h"

TsPanel::TsPanel(QWidget* parent) : QWidget(parent) {
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) {
        ControlPainter(skinData_).PaintItem(cache, background, true, 0, cache.rect());
    });
}

void TsPanel::AlignBottom(int height) {
    new BottomAnchor(this, height);
}

void TsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skinData_.PaintCached(painter))
        return;
    PlainLook::PaintRaised(painter, rect(), PlainLook::kFaceTop, PlainLook::kFaceBottom, 5);
}
