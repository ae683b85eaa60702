#include "DrawOnGrid.h"

QImage DrawOnGrid(QSize size, QSizeF grid, const QColor& background, QPainter::RenderHints hints,
                  const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHints(hints | QPainter::Antialiasing);
    p.scale(size.width() / grid.width(), size.height() / grid.height());
    draw(p);
    return image;
}
