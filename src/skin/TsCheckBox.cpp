#include "skin/TsCheckBox.h"

#include "skin/PlainLook.h"

TsCheckBox::TsCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

void TsCheckBox::paintEvent(QPaintEvent*) {
    PlainLook::PaintCheckable(*this, false);
}
