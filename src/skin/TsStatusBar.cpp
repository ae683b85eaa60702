#include "skin/TsStatusBar.h"

#include <QEvent>
#include <QPainter>

#include "skin/PlainLook.h"

TsStatusBar::TsStatusBar(QWidget* parent) : QWidget(parent) {
    parent->installEventFilter(this);
    FollowParent();
}

void TsStatusBar::SetPanelText(const QString& text) {
    text_ = text;
    update();
}

// The bar stays docked to the bottom edge, across the parent's whole width.
void TsStatusBar::FollowParent() {
    setGeometry(0, parentWidget()->height() - kHeight, parentWidget()->width(), kHeight);
}

bool TsStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        FollowParent();
    return QWidget::eventFilter(watched, event);
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
