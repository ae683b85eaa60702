#pragma once

#include <QImage>

// Draws the program icon, a steering wheel on a rounded blue tile, at any size so small icons stay crisp.
class IconPainter {
public:
    static QImage paint(int size);
};
