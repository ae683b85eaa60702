#pragma once

class QWidget;

// Gives `window` the activation, and with it the keyboard, as soon as the display shows it. A window manager
// does that for a new window; without one, nothing else does, and a window can only be activated once it is
// on the screen.
void ActivateOnShow(QWidget& window);
