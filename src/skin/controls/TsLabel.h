#pragma once

#include <QLabel>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"

// A transparent text label. While a skin is loaded and UseSkinColor is on, its text takes the font colour
// of the nearest skinned ancestor that gives its font (else the skin's global one); otherwise its own.
class TsLabel : public QLabel {
    Q_OBJECT

public:
    explicit TsLabel(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // The label's own font colour.
    void SetFontColor(const QColor& color);
    bool UseSkinColor() const { return useSkinColor_; }
    void SetUseSkinColor(bool use);

protected:
    void changeEvent(QEvent* event) override;

private:
    // The colour the text is drawn in now, as a skin colour.
    int TextColor() const;
    void ApplyColor();

    TsCommonData skinData_{this, SkinNames::Unknown, TsCommonData::kfTextFromAncestor};
    QColor fontColor_;
    bool useSkinColor_ = true;
};
