#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class DesktopScript;
class QWidget;

// A window, message box, menu or list as a learner opens it: the controls clicked one after another, from
// the main window on, each found on whatever is on top when its turn comes.
struct Opening {
    QString name;
    QStringList clicks;
    // The object name of what opens, or "QMessageBox" for a message box, "popup" for an open list.
    QString opens;
    // What it must lie over: window names (any of them, or "screen"), joined by '|'; for a menu or a list,
    // the control it opens beside.
    QString owner;
    // Whether it shows the built program's pages or games, in the browser engine.
    bool pages = false;
};

// Every window, box, menu and list the learner can open from the main window and its windows, one of each.
const std::vector<Opening>& Openings();

// On the test's thread: what is shown under a name Opening::opens or ::owner uses, or nullptr.
QWidget* Shown(const QString& name);
// On the test's thread: what the learner sees on top, the open menu or list, else the modal window on top,
// else the main window.
QWidget* TopWindow();

// Presses the controls of `clicks` in turn, each once it is shown on top: a button is clicked, a menu item
// chosen and a list opened as the program's own code does on a click. A glow or a window manager in the way
// then cannot keep a window from opening whose place is to be seen.
void PressThrough(DesktopScript& script, const QStringList& clicks);
// Opens `opening` and waits until it is shown.
void Open(DesktopScript& script, const Opening& opening);

// On the test's thread: what is wrong with where `opening` lies, or "" when it lies over its owner or
// beside its control, wholly on the screen.
QString PlacementFault(const Opening& opening);
