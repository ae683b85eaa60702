#include "skin/TsSpeedButton.h"

#include <QPainter>

#include "skin/PlainLook.h"

TsSpeedButton::TsSpeedButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
}

void TsSpeedButton::enterEvent(QEnterEvent* event) {
    hot_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TsSpeedButton::leaveEvent(QEvent* event) {
    hot_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TsSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlainLook::PaintButtonFace(painter, rect(), hot_, isDown(), 6);
    QFont captionFont = font();
    captionFont.setUnderline(hot_ && skinData_.SkinSection() == QLatin1String("WEBBUTTON"));
    painter.setFont(captionFont);
    painter.setPen(isEnabled() ? PlainLook::kText : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
}
