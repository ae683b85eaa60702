#include "platform/TImage.h"

#include <QBitmap>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QImage& picture) {
    picture_ = picture;
    Prepare();
}

void TImage::SetCenter(bool center) {
    center_ = center;
    update();
}

void TImage::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Prepare();
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Prepare();
}

// The shown pixmap is made once per change of picture or mode, not on every paint.
void TImage::Prepare() {
    shown_ = QPixmap::fromImage(picture_);
    if (transparent_ && !picture_.isNull()) {
        const QRgb key = picture_.pixel(0, picture_.height() - 1);
        shown_.setMask(QBitmap::fromImage(picture_.createMaskFromColor(key, Qt::MaskInColor)));
    }
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
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
