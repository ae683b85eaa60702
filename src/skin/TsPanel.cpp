#include "skin/TsPanel.h"

#include <QPainter>

#include "skin/BottomAnchor.h"
#include "skin/PlainLook.h"

TsPanel::TsPanel(QWidget* parent) : QWidget(parent) {}

void TsPanel::AlignBottom(int height) {
    new BottomAnchor(this, height);
}

void TsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlainLook::PaintRaised(painter, rect(), PlainLook::kFaceTop, PlainLook::kFaceBottom, 5);
}
