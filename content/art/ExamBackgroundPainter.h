#pragma once

#include <QImage>

// Draws the mock-exam window's background: the clock, licence and score panels on the left, the title, a banner and
// the plain question panel on the right. The window places the picture 3 px left of and 10 px above its client area,
// so everything is laid out in client coordinates and shifted by that offset.
class ExamBackgroundPainter {
public:
    static constexpr int kWidth = 717;
    static constexpr int kHeight = 468;
    static constexpr int kClientLeft = 3;
    static constexpr int kClientTop = 10;

    static QImage paint();
};
