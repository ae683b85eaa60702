#include "skin/TsGroupBox.h"

#include <QPainter>
#include <QPainterPath>

#include "skin/PlainLook.h"

TsGroupBox::TsGroupBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

void TsGroupBox::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void TsGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int captionHeight = metrics.height() + 6;
    const QRect box = rect().adjusted(0, captionHeight / 2, -1, -1);

    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, 0, 0), 5, 5);
    if (color_.isValid())
        painter.fillPath(outline, color_);
    painter.setPen(PlainLook::kBorder);
    painter.drawPath(outline);

    const int captionWidth = metrics.horizontalAdvance(caption_) + 24;
    const QRect band((width() - captionWidth) / 2, 0, captionWidth, captionHeight);
    PlainLook::PaintRaised(painter, band, PlainLook::kAccentLight, PlainLook::kAccent, 4);
    painter.setPen(Qt::white);
    painter.drawText(band, Qt::AlignCenter, caption_);
}
