#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where the learner sees a window or a point of a control: where the X server shows it, which the program's
// own idea of its windows' places need not match. On the test's thread.
QRect OnScreen(const QWidget* window);
QPoint OnScreen(const QWidget* control, QPoint local);
// Whether the program places the window where the server shows it.
bool PlacedAsShown(const QWidget* window);
