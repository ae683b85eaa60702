#pragma once

#include <QString>
#include <functional>

// Hands an address to the desktop, which opens it in the user's default browser. The result is not
// examined: a desktop that cannot open it tells the user itself.
void OpenUrl(const QString& address);

// While a hook is set, addresses go to it instead of the desktop.
void SetUrlOpenerHookForTesting(std::function<void(const QString&)> hook);
