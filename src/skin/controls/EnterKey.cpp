#include "skin/controls/EnterKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

bool PressOnEnter(QAbstractButton& button, QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if (!enter || event.modifiers() & ~Qt::KeypadModifier || !button.isEnabled() || event.isAutoRepeat())
        return false;
    event.accept();
    button.click();
    return true;
}
