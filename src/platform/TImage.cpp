#include "platform/TImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

// The picture is converted in place where it can be, and the transparent colour becomes alpha in one
// pass over the pixels.
void TImage::SetPicture(QImage picture) {
    if (transparent_ && !picture.isNull()) {
        const QRgb key = picture.pixel(0, picture.height() - 1) | 0xFF000000;
        picture = std::move(picture).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                if (line[x] == key)
                    line[x] = 0;
            }
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
