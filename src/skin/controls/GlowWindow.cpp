#include "skin/controls/GlowWindow.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>

#include "skin/loading/SkinContent.h"
#include "skin/loading/TsMaskData.h"
#include "skin/raster/NineSlice.h"
#include "skin/raster/Pixels.h"
#include "ui/X11Display.h"

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

// The pointer's stay over `host` is what a glow shows; while a menu, another window or a modal dialog is in
// front, or the pointer is elsewhere, there is nothing to show.
bool HostInUse(const QWidget& host) {
    const QWidget* window = host.window();
    if (!host.isVisible() || !window->isActiveWindow() || QApplication::activePopupWidget() != nullptr)
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != window)
        return false;
    return host.rect().contains(host.mapFromGlobal(QCursor::pos()));
}

// On X11 the display takes a tooltip window for the window under the pointer, so that the control would leave
// and enter again without end as its glow comes and goes: there the glow is a tool window. Elsewhere a tool
// window takes the activation when it is shown, and a tooltip window does not.
Qt::WindowType GlowKind() {
    return QGuiApplication::platformName() == QLatin1String("xcb") ? Qt::Tool : Qt::ToolTip;
}

}  // namespace

GlowWindow::GlowWindow(const QImage& picture, const TsMaskData& mask, const QRect& outer, bool topmost)
    : QWidget(nullptr, GlowKind() | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                           (topmost ? Qt::WindowStaysOnTopHint : Qt::Widget)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("GlowWindow"));
    setGeometry(outer);
    picture_ = Sliced(picture, mask, outer.size());
}

GlowWindow::~GlowWindow() {
    Drop();
}

std::unique_ptr<GlowWindow> GlowWindow::ShowAround(const SkinContent& skin, int maskIndex, QWidget& host,
                                                   const QRect& control, int glowMargin) {
    if (maskIndex < 0 || maskIndex >= static_cast<int>(skin.Masks.size()) || !HostInUse(host) ||
        !TranslucentWindowsShown())
        return nullptr;
    const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(maskIndex)];
    const QImage& source = mask.Picture.isNull() ? skin.MasterBitmap : mask.Picture;
    const QImage picture = source.copy(mask.Slice.Left, mask.Slice.Top, mask.ImageWidth(), mask.RowHeight());
    const bool topmost = host.window()->windowFlags() & Qt::WindowStaysOnTopHint;
    auto glow = std::make_unique<GlowWindow>(picture, mask, Outer(control, mask, glowMargin), topmost);
    glow->Follow(host);
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

void GlowWindow::Follow(QWidget& host) {
    host_ = &host;
    qApp->installEventFilter(this);
}

void GlowWindow::Drop() {
    qApp->removeEventFilter(this);
    host_.clear();
}

bool GlowWindow::eventFilter(QObject* watched, QEvent* event) {
    bool over = false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
        case QEvent::ApplicationDeactivate:
            over = true;
            break;
        case QEvent::Show:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::WindowBlocked:
            // Any other window that appears or takes the activation, and the host's own window losing it.
            over = watched != this && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
            break;
        default:
            break;
    }
    if (over || host_.isNull()) {
        Drop();
        hide();
    }
    return false;
}
