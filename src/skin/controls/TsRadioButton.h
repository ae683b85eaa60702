#pragma once

#include <QRadioButton>

#include "skin/controls/TsCommonData.h"

// A radio button whose width follows its one-line caption. Buttons of one parent exclude each other; the
// selection can also be cleared as a whole, which selects nothing and so raises no selection.
class TsRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TsRadioButton(QWidget* parent = nullptr, int tag = 0);

    TsCommonData& SkinData() { return skinData_; }
    int Tag() const { return tag_; }
    void SetCaption(const QString& caption);
    // Clears the selection of this button without announcing a selection.
    void ClearSelection();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TsCommonData skinData_{this, QStringLiteral("RADIOBUTTON"), TsCommonData::kfTakesHover | TsCommonData::kfWindowed};
    int tag_;
};
