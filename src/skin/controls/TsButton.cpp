#include "skin/controls/TsButton.h"

TsButton::TsButton(const QString& caption, QWidget* parent) : TsBitBtn(caption, parent) {}
