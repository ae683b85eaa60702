#include "skin/TsBitBtn.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "skin/PlainLook.h"

namespace {
constexpr int kGlyphSize = 16;
constexpr int kSpacing = 4;

// The standard glyphs: a green tick for OK, a red cross for Cancel.
QPixmap StandardGlyph(TsBitBtn::Kind kind) {
    if (kind == TsBitBtn::Kind::Custom)
        return {};
    QPixmap glyph(kGlyphSize, kGlyphSize);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    if (kind == TsBitBtn::Kind::OK) {
        painter.setPen(QPen(QColor(32, 150, 48), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        path.moveTo(2.5, 8.5);
        path.lineTo(6.5, 12.5);
        path.lineTo(13.5, 3.5);
    } else {
        painter.setPen(QPen(QColor(204, 40, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
        path.moveTo(3.5, 3.5);
        path.lineTo(12.5, 12.5);
        path.moveTo(12.5, 3.5);
        path.lineTo(3.5, 12.5);
    }
    painter.drawPath(path);
    return glyph;
}
}  // namespace

TsBitBtn::TsBitBtn(const QString& caption, QWidget* parent, Kind kind) : QPushButton(caption, parent), kind_(kind) {
    setAutoDefault(false);
}

void TsBitBtn::enterEvent(QEnterEvent* event) {
    hot_ = true;
    update();
    QPushButton::enterEvent(event);
}

void TsBitBtn::leaveEvent(QEvent* event) {
    hot_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void TsBitBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool down = isDown() || isChecked();
    PlainLook::PaintButtonFace(painter, rect(), hot_, down, 4);
    if (hasFocus() || isDefault()) {
        painter.setPen(QPen(PlainLook::kAccentLight, 1, hasFocus() ? Qt::DotLine : Qt::SolidLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }

    const QPixmap glyph = StandardGlyph(kind_);
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int contentWidth = textWidth + (glyph.isNull() ? 0 : kGlyphSize + kSpacing);
    int x = (width() - contentWidth) / 2 + (down ? 1 : 0);
    const int shift = down ? 1 : 0;
    if (!glyph.isNull()) {
        painter.drawPixmap(x, (height() - kGlyphSize) / 2 + shift, glyph);
        x += kGlyphSize + kSpacing;
    }
    painter.setPen(isEnabled() ? PlainLook::kText : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QRect(x, shift, textWidth + 1, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}
