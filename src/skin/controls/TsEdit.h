#pragma once

#include <QLineEdit>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"

// A single-line edit box. Skinned, its frame and surface come from the skin and the text is typed over them
// in the section's font colour; a disabled box shows its text in the composed picture.
class TsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TsEdit(QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSkinned(QImage& cache, const BackgroundInfo& background);
    // Frame, margins and colours for the skinned look or the plain one.
    void UseLook(bool skinned);

    TsCommonData skinData_{this, SkinNames::Edit,
                           TsCommonData::kfTakesHover | TsCommonData::kfWindowed | TsCommonData::kfFramed};
    bool skinnedLook_ = false;
};
