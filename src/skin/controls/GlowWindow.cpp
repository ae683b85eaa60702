#include "skin/controls/GlowWindow.h"

#include <QPainter>

#include "skin/loading/SkinContent.h"
#include "skin/loading/TsMaskData.h"
#include "skin/raster/NineSlice.h"
#include "skin/raster/Pixels.h"

namespace {

// Skin pictures without an alpha channel mark their clear pixels with 0xFF00FF.
QImage WithClearKey(const QImage& picture) {
    if (picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                line[x] = 0;
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

NineSlice::Margins MarginsOf(const TsMaskData& mask) {
    return {mask.BorderLeft(), mask.BorderTop(), mask.BorderRight(), mask.BorderBottom()};
}

}  // namespace

GlowWindow::GlowWindow(const QImage& picture, const TsMaskData& mask, const QRect& outer, bool topmost)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | (topmost ? Qt::WindowStaysOnTopHint : Qt::Widget)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("GlowWindow"));
    setGeometry(outer);
    picture_ = Sliced(picture, mask, outer.size());
}

std::unique_ptr<GlowWindow> GlowWindow::ShowAround(const SkinContent& skin, int maskIndex, const QRect& control,
                                                   int glowMargin, bool topmost) {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()))
        return nullptr;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    const QImage& source = mask.Picture.isNull() ? skin.MasterBitmap : mask.Picture;
    const QImage picture = source.copy(mask.Slice.Left, mask.Slice.Top, mask.ImageWidth(), mask.RowHeight());
    auto glow = std::make_unique<GlowWindow>(picture, mask, Outer(control, mask, glowMargin), topmost);
    glow->show();
    return glow;
}

QRect GlowWindow::Outer(const QRect& control, const TsMaskData& mask, int glowMargin) {
    return control.adjusted(-mask.BorderLeft() + glowMargin, -mask.BorderTop() + glowMargin,
                            mask.BorderRight() - glowMargin, mask.BorderBottom() - glowMargin);
}

QImage GlowWindow::Sliced(const QImage& picture, const TsMaskData& mask, QSize size) {
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    if (picture.isNull() || size.isEmpty())
        return out;
    const QImage source = WithClearKey(picture);
    const NineSlice::Margins margins = MarginsOf(mask);
    const NineSlice::Pieces from = NineSlice::Slice(source.rect(), margins);
    const NineSlice::Pieces to = NineSlice::Slice(out.rect(), NineSlice::Shrink(margins, size));
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t piece = 0; piece < from.size(); ++piece) {
        if (!from[piece].isEmpty() && !to[piece].isEmpty())
            painter.drawImage(to[piece], source, from[piece]);
    }
    return out;
}

void GlowWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture_);
}
