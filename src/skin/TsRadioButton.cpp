#include "skin/TsRadioButton.h"

#include "skin/PlainLook.h"

#include <algorithm>

TsRadioButton::TsRadioButton(QWidget* parent, int tag) : QRadioButton(parent), tag_(tag) {}

void TsRadioButton::SetCaption(const QString& caption) {
    setText(caption);
    resize(sizeHint());
}

// An exclusive button cannot be unchecked directly: exclusivity is lifted for the moment it takes.
void TsRadioButton::ClearSelection() {
    if (!isChecked())
        return;
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

// Room above and below the caption for faces whose glyphs reach beyond their stated height.
QSize TsRadioButton::sizeHint() const {
    const QSize base = QRadioButton::sizeHint();
    return {base.width(), std::max(base.height(), fontMetrics().height() + 6)};
}

void TsRadioButton::paintEvent(QPaintEvent*) {
    PlainLook::PaintCheckable(*this, true);
}
