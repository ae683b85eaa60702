#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSizeF>

#include <functional>

// A picture of `size` pixels filled with `background`, on which `draw` paints in design units: the painter maps a
// `grid` of those units onto the whole picture. Antialiasing is always on; `hints` adds further render hints.
QImage DrawOnGrid(QSize size, QSizeF grid, const QColor& background, QPainter::RenderHints hints,
                  const std::function<void(QPainter&)>& draw);
