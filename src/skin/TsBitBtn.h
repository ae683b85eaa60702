#pragma once

#include <QPushButton>

#include "skin/TsCommonData.h"

// A push button with an optional glyph left of its caption. The kinds OK and Cancel carry the standard
// glyphs; what pressing them does to a dialog is the dialog's business.
class TsBitBtn : public QPushButton {
    Q_OBJECT

public:
    enum class Kind { Custom, OK, Cancel };

    explicit TsBitBtn(const QString& caption, QWidget* parent = nullptr, Kind kind = Kind::Custom);

    TsCommonData& SkinData() { return skinData_; }
    Kind ButtonKind() const { return kind_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TsCommonData skinData_{"BUTTON"};
    Kind kind_;
    bool hot_ = false;
};
