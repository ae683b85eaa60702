#pragma once

#include <QString>

class QWidget;

// Saves what a window looks like: DIR/<name>.png with the whole window, and DIR/<name>.json with its
// caption, client size and every control (menus and their items included), each with its class, parent,
// place inside its parent, text, visibility, enabled state and font. Raises Exception when a file cannot
// be written. The name is the form's object name unless one is given.
void SaveFormSnapshot(QWidget* form, const QString& dir, const QString& name = {});
