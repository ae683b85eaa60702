#include "ui/TImage.h"

#include <QPainter>
#include <algorithm>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

// The picture is converted in place where it can be, straight to the format the screen draws without a
// further conversion, and the transparent colour becomes alpha in one pass over the pixels.
void TImage::SetPicture(QImage picture) {
    if (transparent_ && !picture.isNull()) {
        const QRgb key = picture.pixel(0, picture.height() - 1) | 0xFF000000;
        // Opaque pixels are the same premultiplied or not, and a cleared one is 0 either way.
        picture = std::move(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const int width = picture.width();
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            std::replace(line, line + width, key, QRgb(0));
        }
    }
    if (autoSize_ && !picture.isNull())
        resize(picture.size());
    shown_ = QPixmap::fromImage(std::move(picture));
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    if (shown_.isNull())
        return;
    QPainter painter(this);
    QPoint origin;
    if (center_)
        origin = QPoint((width() - shown_.width()) / 2, (height() - shown_.height()) / 2);
    painter.drawPixmap(origin, shown_);
}
