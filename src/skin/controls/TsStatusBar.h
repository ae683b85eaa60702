#pragma once

#include <QWidget>

#include "skin/controls/TsCommonData.h"

// A bar along the bottom edge of its window with one panel across its whole width, text centred.
class TsStatusBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ PanelText)

public:
    static constexpr int kHeight = 19;

    explicit TsStatusBar(QWidget* parent);

    TsCommonData& SkinData() { return skinData_; }
    void SetPanelText(const QString& text);
    const QString& PanelText() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintSkinned(QImage& cache, const BackgroundInfo& background);

    TsCommonData skinData_{this, QStringLiteral("STATUSBAR"), 0};
    QString text_;
};
