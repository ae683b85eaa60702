#pragma once

#include <QAbstractButton>

#include "skin/TsCommonData.h"

// A flat button that takes no focus; the web-link look underlines its caption while the pointer is on it.
class TsSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TsSpeedButton(const QString& caption, QWidget* parent = nullptr);

    TsCommonData& SkinData() { return skinData_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TsCommonData skinData_{"SPEEDBUTTON"};
    bool hot_ = false;
};
