#pragma once

class QAbstractButton;
class QKeyEvent;

// Enter or Return on a focused button presses it, in a dialog or not. Returns whether the key was taken.
bool PressOnEnter(QAbstractButton& button, QKeyEvent& event);
