#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Gives the activation, and with it the keyboard focus, back to the window that had it when a command
// opened another window, once that window is gone: without a window manager, or after a window with no
// owner, nothing else does.
class FocusReturn {
public:
    FocusReturn() : window_(QApplication::activeWindow()) {}
    ~FocusReturn() {
        if (window_ != nullptr && window_->isVisible())
            window_->activateWindow();
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> window_;
};
