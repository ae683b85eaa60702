#pragma once

#include <QLabel>

#include "skin/TsCommonData.h"

// A plain text label in its own font colour.
class TsLabel : public QLabel {
    Q_OBJECT

public:
    explicit TsLabel(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }
    void SetFontColor(const QColor& color);

private:
    TsCommonData skinData_{"UNKNOWN"};
};
