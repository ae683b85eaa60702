#pragma once

#include <QCheckBox>

#include "skin/controls/TsCommonData.h"

// A check box with its caption to the right.
class TsCheckBox : public QCheckBox {
    Q_OBJECT

public:
    explicit TsCheckBox(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TsCommonData skinData_{this, QStringLiteral("CHECKBOX"), TsCommonData::kfTakesHover | TsCommonData::kfWindowed};
};
