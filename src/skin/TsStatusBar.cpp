#include "skin/TsStatusBar.h"

#include <QPainter>

#include "skin/BottomAnchor.h"
#include "skin/PlainLook.h"

TsStatusBar::TsStatusBar(QWidget* parent) : QWidget(parent) {
    new BottomAnchor(this, kHeight);
}

void TsStatusBar::SetPanelText(const QString& text) {
    text_ = text;
    update();
}

void TsStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, PlainLook::kFaceBottom);
    gradient.setColorAt(1, QColor(196, 214, 236));
    painter.fillRect(rect(), gradient);
    painter.setPen(PlainLook::kBorder);
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(PlainLook::kText);
    painter.drawText(rect().adjusted(2, 1, -2, 0), Qt::AlignCenter, text_);
}
