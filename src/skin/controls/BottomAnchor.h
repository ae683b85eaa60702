#pragma once

#include <QObject>

class QWidget;

// Keeps a control along the bottom edge of its parent, across the parent's whole width, at a fixed
// height, also when the parent is resized.
class BottomAnchor : public QObject {
    Q_OBJECT

public:
    BottomAnchor(QWidget* control, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QWidget* control_;
    int height_;
};
