#pragma once

#include <QWidget>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"

// A raised panel that holds other controls.
class TsPanel : public QWidget {
    Q_OBJECT

public:
    explicit TsPanel(QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // Docks the panel along the bottom edge of its parent, full width, at this height.
    void AlignBottom(int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TsCommonData skinData_{this, SkinNames::Panel, TsCommonData::kfMayBeOpaque};
};
