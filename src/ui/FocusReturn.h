#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Gives the activation, and with it the keyboard, back to a window once another window it opened is gone:
// without a window manager, or after a window with no owner, nothing else does. The window is the new window's
// owner, or without one the window active when it was opened.
class FocusReturn {
public:
    explicit FocusReturn(const QWidget* owner = nullptr)
        : window_(owner != nullptr ? owner->window() : QApplication::activeWindow()) {}
    ~FocusReturn() {
        if (window_ != nullptr && window_->isVisible())
            window_->activateWindow();
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> window_;
};
