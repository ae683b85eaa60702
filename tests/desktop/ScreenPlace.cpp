#include "ScreenPlace.h"

#include <QWidget>

#include "XTools.h"

QRect OnScreen(const QWidget* window) {
    const WId id = window->internalWinId();
    const QRect shown = id != 0 ? XTools::Geometry(id) : QRect();
    return shown.isEmpty() ? window->geometry() : shown;
}

QPoint OnScreen(const QWidget* control, QPoint local) {
    const QWidget* window = control->window();
    return OnScreen(window).topLeft() + control->mapTo(window, local);
}

bool PlacedAsShown(const QWidget* window) {
    return OnScreen(window) == window->geometry();
}
