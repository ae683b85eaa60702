#pragma once

#include <QPoint>
#include <optional>

class QWidget;

// What the display itself says, where Qt does not tell or can be wrong. Off X11 the answers are Qt's own.

// Whether a window with a translucent background is shown translucent. On X11 that takes a compositing
// manager: without one, every pixel of such a window is drawn opaque, clear ones black.
bool TranslucentWindowsShown();

// Where the display really shows the top-left corner of a top-level window, in screen coordinates; Qt's own idea
// of it can be wrong for a moment after a window manager has handled the window. None off X11.
std::optional<QPoint> DisplayPosition(const QWidget& window);
