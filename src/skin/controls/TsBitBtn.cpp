#include "skin/controls/TsBitBtn.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/EnterKey.h"
#include "skin/controls/PlainLook.h"

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
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintSkinned(cache, background); });
}

int TsBitBtn::CurrentState() const {
    if (isDown() || isChecked())
        return 2;
    return skinData_.HotNow() || isDefault() ? 1 : 0;
}

void TsBitBtn::PaintContent(QPainter& painter, const QRect& area, bool down,
                            const std::function<void(const QRect&)>& text) {
    const QPixmap glyph = StandardGlyph(kind_);
    const int textWidth = fontMetrics().horizontalAdvance(this->text());
    const int contentWidth = textWidth + (glyph.isNull() ? 0 : kGlyphSize + kSpacing);
    const int shift = down ? 1 : 0;
    int x = area.left() + (area.width() - contentWidth) / 2 + shift;
    if (!glyph.isNull()) {
        // A disabled button shows its glyph faded into the face.
        painter.setOpacity(isEnabled() ? 1.0 : 0.5);
        painter.drawPixmap(x, area.top() + (area.height() - kGlyphSize) / 2 + shift, glyph);
        painter.setOpacity(1.0);
        x += kGlyphSize + kSpacing;
    }
    text(QRect(x, area.top() + shift, textWidth + 1, area.height()));
}

// As a speed button: the caption and glyph lie between the background and the border.
void TsBitBtn::PaintSkinned(QImage& cache, const BackgroundInfo& background) {
    const int state = CurrentState();
    ControlPainter(skinData_).PaintBackground(cache, background, state, cache.rect());
    {
        QPainter painter(&cache);
        painter.setFont(font());
        PaintContent(painter, cache.rect(), state == 2, [&](const QRect& area) {
            ControlPainter(skinData_).DrawText(painter, text(), area, Qt::AlignVCenter | Qt::AlignLeft, state >= 1);
        });
    }
    ControlPainter(skinData_).PaintBorder(cache, background, false, state, cache.rect());
    if (skinData_.FocusFlag() && skinData_.Section().ShowFocus)
        ControlPainter(skinData_).PaintFocusFrame(cache);
}

void TsBitBtn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const PaintStateKey key{
        .State = CurrentState(), .Focused = skinData_.FocusFlag(), .Default = isDefault(), .Text = text()};
    if (!skinData_.PaintCached(painter, key))
        PaintPlain(painter);
}

void TsBitBtn::PaintPlain(QPainter& painter) {
    const bool down = isDown() || isChecked();
    PlainLook::PaintButtonFace(painter, rect(), skinData_.PointerOver() && isEnabled(), down, 4);
    if (hasFocus() || isDefault()) {
        painter.setPen(QPen(PlainLook::kAccentLight, 1, hasFocus() ? Qt::DotLine : Qt::SolidLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
    }
    PaintContent(painter, rect(), down, [&](const QRect& area) {
        painter.setPen(isEnabled() ? PlainLook::kText : palette().color(QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, text());
    });
}

void TsBitBtn::keyPressEvent(QKeyEvent* event) {
    if (!PressOnEnter(*this, *event))
        QPushButton::keyPressEvent(event);
}
