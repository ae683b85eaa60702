#include "skin/controls/ControlEffects.h"

#include <QPainter>
#include <QWidget>

#include "skin/controls/Fader.h"
#include "skin/controls/GlowWindow.h"

ControlEffects::ControlEffects() = default;
ControlEffects::~ControlEffects() = default;

void ControlEffects::StartFade(QWidget* host, const QImage& from, int iterations) {
    if (!fader_)
        fader_ = std::make_unique<Fader>(host);
    fader_->Start(from, iterations);
}

void ControlEffects::StopFade() {
    if (fader_)
        fader_->Stop();
}

void ControlEffects::Draw(QPainter& painter, const QImage& picture) const {
    painter.drawImage(0, 0, fader_ && fader_->Running() ? fader_->Frame(picture) : picture);
}

void ControlEffects::ShowGlow(QWidget& host, const SkinContent& skin, int maskIndex, int glowMargin) {
    glow_ =
        GlowWindow::ShowAround(skin, maskIndex, host, QRect(host.mapToGlobal(QPoint(0, 0)), host.size()), glowMargin);
}

void ControlEffects::HideGlow() {
    glow_.reset();
}

bool ControlEffects::Glowing() const {
    return glow_ != nullptr && glow_->isVisible();
}
