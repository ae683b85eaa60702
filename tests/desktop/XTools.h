#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// The X display as a learner and an onlooker meet it, through the X tools: real pointer moves, clicks and
// keys (xdotool) and what the server says of a window (xwininfo). Callable from any thread.
namespace XTools {

// Runs an X tool and hands back what it printed; an empty string if it failed or ran past ten seconds.
QString Run(const QString& tool, const QStringList& arguments);

void MoveTo(QPoint global);
// Presses and releases the left button where the pointer is.
void Click();
// Keys in xdotool's names, sent one after another: "Tab", "Return", "alt+a".
void Keys(const QStringList& keys);
// Whether the server shows the window: its map state is IsViewable.
bool Viewable(unsigned long window);
// Where the server shows the inside of the window, in screen coordinates; empty if it cannot say.
QRect Geometry(unsigned long window);
// Every window that is a child of the root and viewable, one line each as xwininfo describes it.
QStringList ViewableTopLevels();

}  // namespace XTools
