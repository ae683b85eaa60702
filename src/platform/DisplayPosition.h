#pragma once

#include <optional>

#include <QPoint>

class QWidget;

// Where the display really shows the top-left corner of a top-level window, in screen coordinates, when the
// platform can tell; Qt's own idea of it can be wrong after a window manager has handled the window.
std::optional<QPoint> DisplayPosition(const QWidget& window);
