#include "skin/controls/ControlEffects.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "skin/controls/Fader.h"
#include "skin/controls/GlowWindow.h"
#include "skin/controls/TsCommonData.h"
#include "skin/controls/TsSkinManager.h"

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

void ControlEffects::UpdateGlow(const TsCommonData& data) {
    glow_.reset();
    QWidget* host = data.Host();
    const TsSkinManager* manager = data.Manager();
    if (!(data.KindCode() & TsCommonData::kfGlows) || !data.IsSkinnedNow() || !manager->AllowGlowing ||
        !data.HotNow() || data.Section().GlowCount < 1 || (QApplication::mouseButtons() & Qt::LeftButton) ||
        !host->isVisible())
        return;
    const SkinContent& skin = manager->Skin();
    const int maskIndex = skin.MaskIndexOf(data.SectionIdx(), data.SkinSection(), QStringLiteral("GLOW0"));
    const QRect control(host->mapToGlobal(QPoint(0, 0)), host->size());
    const bool topmost = host->window()->windowFlags() & Qt::WindowStaysOnTopHint;
    glow_ = GlowWindow::ShowAround(skin, maskIndex, control, data.Section().GlowMargin, topmost);
}

void ControlEffects::HideGlow() {
    glow_.reset();
}
