#include "browse/BrowsePage.h"

#include <QTimer>

#include "browse/LocalContent.h"
#include "browse/LocalOnlyInterceptor.h"

BrowsePage::BrowsePage(QWebEngineProfile* profile, const BrowserFolders& folders, QObject* parent)
    : QWebEnginePage(profile, parent), playerFolder_(folders.player) {
    setUrlRequestInterceptor(new LocalOnlyInterceptor(folders.readable, this));
}

bool BrowsePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || !IsFlashMovie(url))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // The engine is inside its navigation decision now; the new load starts once it has returned.
    const QUrl player = PlayerPageUrl(playerFolder_, url);
    QTimer::singleShot(0, this, [this, player] { load(player); });
    return false;
}
