#include "skin/TsPanel.h"

#include <QPainter>

#include "skin/PlainLook.h"

TsPanel::TsPanel(QWidget* parent) : QWidget(parent) {}

void TsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlainLook::PaintRaised(painter, rect(), PlainLook::kFaceTop, PlainLook::kFaceBottom, 5);
}
