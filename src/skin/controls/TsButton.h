#pragma once

#include "skin/controls/TsBitBtn.h"

// A plain push button: the glyph-less kind of the bitmap button.
class TsButton : public TsBitBtn {
    Q_OBJECT

public:
    explicit TsButton(const QString& caption, QWidget* parent = nullptr);
};
