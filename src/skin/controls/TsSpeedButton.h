#pragma once

#include <QAbstractButton>

#include "skin/controls/TsCommonData.h"

// A flat button that takes no focus unless its window gives it a focus policy; the web-link look underlines its caption
// while the pointer is on it.
class TsSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TsSpeedButton(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    // 2 while held down, 1 while hot, else 0.
    int CurrentState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintSkinned(QImage& cache, const BackgroundInfo& background);

    TsCommonData skinData_{this, QStringLiteral("SPEEDBUTTON"),
                           TsCommonData::kfTakesHover | TsCommonData::kfTextFromAncestor | TsCommonData::kfGlows};
};
