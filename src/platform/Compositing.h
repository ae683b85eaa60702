#pragma once

// Whether a window with a translucent background is shown translucent on this display. On X11 that takes
// a compositing manager: without one, every pixel of such a window is drawn opaque, clear ones black.
// Other platforms compose windows themselves.
bool TranslucentWindowsShown();
