#pragma once

#include <QKeySequence>
#include <QString>
#include <initializer_list>

class QAbstractButton;
class QWidget;

// How the keyboard reaches the buttons of a practice window.
namespace CommandKeys {

// Makes `button` a Tab stop that a click does not take the focus to: the jump box keeps it while the mouse works,
// so a number typed after a click still goes there.
void MakeTabStop(QAbstractButton* button);

// Presses `button` on `key` wherever the focus is in its window, while the button is shown and enabled, and names
// the key in the button's tooltip.
void Bind(QAbstractButton* button, const QKeySequence& key);

// What a tooltip says of a key: "快捷键：Alt+H".
QString Hint(const QKeySequence& key);

// Tab goes from each of `widgets` to the next.
void ChainTabStops(std::initializer_list<QWidget*> widgets);

}  // namespace CommandKeys
