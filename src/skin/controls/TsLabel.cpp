#include "skin/controls/TsLabel.h"

#include <QEvent>

#include "skin/controls/ControlPainter.h"
#include "skin/controls/TsSkinManager.h"

TsLabel::TsLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), fontColor_(palette().color(QPalette::WindowText)) {
    connect(&skinData_, &TsCommonData::SkinChanged, this, &TsLabel::ApplyColor);
    ApplyColor();
}

void TsLabel::SetFontColor(const QColor& color) {
    fontColor_ = color;
    ApplyColor();
}

void TsLabel::SetUseSkinColor(bool use) {
    useSkinColor_ = use;
    ApplyColor();
}

int TsLabel::TextColor() const {
    const TsSkinManager* manager = skinData_.Manager();
    int color = Pixels::FromQColor(fontColor_);
    if (useSkinColor_ && manager && manager->SkinData().SkinReady) {
        const SkinContent& skin = manager->Skin();
        if (const TsGeneralData* section = ControlPainter(skinData_).TextSection(false))
            color = section->FontColor;
        else if (skin.CachedIndexes.GlobalInfo >= 0)
            color = skin.Sections[static_cast<std::size_t>(skin.CachedIndexes.GlobalInfo)].FontColor;
    }
    return isEnabled() ? color : Pixels::BlendColors(color, skinData_.ParentColor(), 0.4);
}

// Setting the palette repaints, so it is set only when the colour has changed.
void TsLabel::ApplyColor() {
    const QColor color = Pixels::ToQColor(TextColor());
    if (palette().color(QPalette::Active, QPalette::WindowText) != color ||
        palette().color(QPalette::Disabled, QPalette::WindowText) != color) {
        QPalette colours = palette();
        colours.setColor(QPalette::Active, QPalette::WindowText, color);
        colours.setColor(QPalette::Inactive, QPalette::WindowText, color);
        colours.setColor(QPalette::Disabled, QPalette::WindowText, color);
        setPalette(colours);
    }
}

// The colour follows the label's place and state; a new skin or section of an ancestor reaches it as a skin
// command.
void TsLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ParentChange)
        ApplyColor();
    QLabel::changeEvent(event);
}
