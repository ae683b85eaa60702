#pragma once

#include "ui/FocusReturn.h"

// A window that lives exactly as long as one command of the main window: stored in its global slot while
// it exists, destroyed and the slot cleared when the command ends, however it ends; the window that was
// active before it is active again afterwards.
template <typename Window>
class WindowSlot {
public:
    WindowSlot(Window*& slot, Window* window) : focus_(window->parentWidget()), slot_(slot), window_(window) {
        slot_ = window_;
    }
    ~WindowSlot() {
        slot_ = nullptr;
        delete window_;
    }
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    Window* operator->() const { return window_; }

private:
    FocusReturn focus_;
    Window*& slot_;
    Window* window_;
};
