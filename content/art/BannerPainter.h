#pragma once

#include <QImage>

// Draws the main-window banner: one vehicle for each exam type, each standing over the button that starts that exam.
class BannerPainter {
public:
    static constexpr int kWidth = 670;
    static constexpr int kHeight = 165;

    // The program keys out this colour (read from the bottom-left pixel) and shows the banner over the same colour, so
    // antialiased edges that blend towards it look right.
    static QColor background();

    static QImage paint();
};
