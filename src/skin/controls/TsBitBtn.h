#pragma once

#include <QPushButton>
#include <functional>

#include "skin/controls/TsCommonData.h"
#include "skin/loading/SkinNames.h"

// A push button with an optional glyph left of its caption. The kinds OK and Cancel carry the standard
// glyphs; what pressing them does to a dialog is the dialog's business.
class TsBitBtn : public QPushButton {
    Q_OBJECT

public:
    enum class Kind { Custom, OK, Cancel };

    explicit TsBitBtn(const QString& caption, QWidget* parent = nullptr, Kind kind = Kind::Custom);

    TsCommonData& SkinData() { return skinData_; }
    Kind ButtonKind() const { return kind_; }
    // 2 while held down, 1 while hot or the default button, else 0.
    int CurrentState() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintSkinned(QImage& cache, const BackgroundInfo& background);
    void PaintPlain(QPainter& painter);
    // Draws the glyph and the caption centred side by side in `area`.
    void PaintContent(QPainter& painter, const QRect& area, bool down, const std::function<void(const QRect&)>& text);

    TsCommonData skinData_{this, SkinNames::Button,
                           TsCommonData::kfTakesHover | TsCommonData::kfWindowed | TsCommonData::kfGlows};
    Kind kind_;
};
