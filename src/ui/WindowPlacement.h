#pragma once

#include <QLatin1String>
#include <QWidget>

// Places a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget* window);

// Names a control after its place in the form's layout table and puts it at its position and size,
// relative to its parent.
template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}
