#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// Ends the event loop once `window` has been painted for the first time, children included: start-up
// measurements stop when the window is on the screen, not merely asked to show.
class QuitAfterPaint : public QObject {
public:
    explicit QuitAfterPaint(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return false;
    }
};
