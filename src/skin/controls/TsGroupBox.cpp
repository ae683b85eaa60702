#include "skin/controls/TsGroupBox.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/PlainLook.h"

TsGroupBox::TsGroupBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintSkinned(cache, background); });
}

void TsGroupBox::SetColor(const QColor& color) {
    color_ = color;
    if (color.isValid()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, color);
        setPalette(colours);
    }
    update();
}

// The caption is centred over the top edge, a little wider than its text.
QRect TsGroupBox::CaptionRect() const {
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(caption_);
    const int height = std::max(4, metrics.height()) + 2;
    return {std::max(0, (width() - textWidth - 10) / 2), 0, textWidth + 8, height};
}

// The band above the box shows the parent; the box starts at half the caption's height.
void TsGroupBox::PaintSkinned(QImage& cache, const BackgroundInfo& background) {
    const QRect caption = CaptionRect();
    const int top = caption.height() / 2;
    ControlPainter(skinData_).PaintParent(cache, background, QRect(0, 0, cache.width(), top));
    ControlPainter(skinData_).PaintItem(cache, background, true, 0, QRect(0, top, cache.width(), cache.height() - top));

    captionSkin_.RefreshIndexes();
    if (captionSkin_.IsSkinnedNow()) {
        // The caption's background is the box beneath it: only that part of the picture is kept aside.
        BackgroundInfo box;
        box.ParentPicture = cache.copy(caption);
        box.X = -caption.left();
        box.Y = -caption.top();
        box.Ready = true;
        ControlPainter(captionSkin_).PaintItem(cache, box, true, skinData_.FocusFlag() ? 1 : 0, caption);
    }
    QPainter painter(&cache);
    ControlPainter(skinData_).DrawText(painter, caption_, caption, Qt::AlignCenter, false);
}

void TsGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skinData_.PaintCached(painter, {.Text = caption_}))
        return;
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
