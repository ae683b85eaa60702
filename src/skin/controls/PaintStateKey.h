#pragma once

#include <QString>

// What a control's composed picture shows of the control's state, besides its section and size: when any
// of it changes, the picture is composed anew. A control fills in what its picture shows and leaves the rest
// as it is.
struct PaintStateKey {
    int State = 0;  // the item's state as painted: 0 normal, 1 hot, 2 pressed
    int Check = 0;  // the check state of a check box or radio button
    int Row = -1;   // a menu's highlighted row
    bool Focused = false;
    bool Default = false;  // a button that the Enter key presses
    bool Enabled = true;
    QString Text{};  // the caption, or the text of a disabled edit

    friend bool operator==(const PaintStateKey&, const PaintStateKey&) = default;
};
