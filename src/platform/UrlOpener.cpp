#include "platform/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<void(const QString&)>& Hook() {
    static std::function<void(const QString&)> hook;
    return hook;
}
}  // namespace

void OpenUrl(const QString& address) {
    if (Hook()) {
        Hook()(address);
        return;
    }
    QDesktopServices::openUrl(QUrl(address));
}

void SetUrlOpenerHookForTesting(std::function<void(const QString&)> hook) {
    Hook() = std::move(hook);
}
