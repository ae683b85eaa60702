#include "skin/BottomAnchor.h"

#include <QEvent>
#include <QWidget>

BottomAnchor::BottomAnchor(QWidget* control, int height) : QObject(control), control_(control), height_(height) {
    control->parentWidget()->installEventFilter(this);
    Follow();
}

void BottomAnchor::Follow() {
    const QWidget* parent = control_->parentWidget();
    control_->setGeometry(0, parent->height() - height_, parent->width(), height_);
}

bool BottomAnchor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_->parentWidget() && event->type() == QEvent::Resize)
        Follow();
    return QObject::eventFilter(watched, event);
}
