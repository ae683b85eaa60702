#include "skin/controls/TsSpeedButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/EnterKey.h"
#include "skin/controls/PlainLook.h"
#include "skin/loading/SkinNames.h"

TsSpeedButton::TsSpeedButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    skinData_.SetPainter([this](QImage& cache, const BackgroundInfo& background) { PaintSkinned(cache, background); });
}

int TsSpeedButton::CurrentState() const {
    if (isDown() || isChecked())
        return 2;
    return skinData_.HotNow() ? 1 : 0;
}

// The caption lies between the background and the border, which is drawn over it without its centre.
void TsSpeedButton::PaintSkinned(QImage& cache, const BackgroundInfo& background) {
    const int state = CurrentState();
    ControlPainter(skinData_).PaintBackground(cache, background, state, cache.rect());
    const int shift = state == 2 ? 1 : 0;
    {
        QPainter painter(&cache);
        ControlPainter(skinData_).DrawText(painter, text(), cache.rect().translated(shift, shift), Qt::AlignCenter,
                                           state >= 1);
    }
    ControlPainter(skinData_).PaintBorder(cache, background, false, state, cache.rect());
    // A speed button takes the focus only where its window lets the keyboard reach it; it then shows it.
    if (skinData_.FocusFlag())
        ControlPainter(skinData_).PaintFocusFrame(cache);
}

void TsSpeedButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (skinData_.PaintCached(painter, {.State = CurrentState(), .Focused = skinData_.FocusFlag(), .Text = text()}))
        return;
    const bool hot = skinData_.PointerOver() && isEnabled();
    PlainLook::PaintButtonFace(painter, rect(), hot, isDown(), 6);
    QFont captionFont = font();
    captionFont.setUnderline(hot && skinData_.SkinSection() == SkinNames::WebButton);
    painter.setFont(captionFont);
    painter.setPen(isEnabled() ? PlainLook::kText : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(PlainLook::kAccentLight, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TsSpeedButton::keyPressEvent(QKeyEvent* event) {
    if (!PressOnEnter(*this, *event))
        QAbstractButton::keyPressEvent(event);
}
