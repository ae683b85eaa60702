#pragma once

#include <QLineEdit>

#include "skin/TsCommonData.h"

// A single-line edit box.
class TsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TsEdit(QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }

private:
    TsCommonData skinData_{"EDIT"};
};
