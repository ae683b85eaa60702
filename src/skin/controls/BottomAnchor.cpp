#include "skin/controls/BottomAnchor.h"

#include <QEvent>
#include <QWidget>

BottomAnchor::BottomAnchor(QWidget* control, int height) : QObject(control), control_(control), height_(height) {
    control->parentWidget()->installEventFilter(this);
    Follow();
}

void BottomAnchor::Follow() {
    // Inside the parent's client area, which a painted window frame may surround.
    const QRect client = control_->parentWidget()->contentsRect();
    control_->setGeometry(client.left(), client.bottom() + 1 - height_, client.width(), height_);
}

bool BottomAnchor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == control_->parentWidget() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange))
        Follow();
    return QObject::eventFilter(watched, event);
}
