#pragma once

#include <QColor>
#include <QWidget>

// A filled rectangle with a thin outline.
class TShape : public QWidget {
    Q_OBJECT

public:
    TShape(const QColor& fill, const QColor& outline, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor outline_;
};
