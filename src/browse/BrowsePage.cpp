#include "browse/BrowsePage.h"

#include <QTimer>

#include "browse/LocalContent.h"

BrowsePage::BrowsePage(QWebEngineProfile* profile, QString playerFolder, QObject* parent)
    : QWebEnginePage(profile, parent), playerFolder_(std::move(playerFolder)) {}

bool BrowsePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || !IsFlashMovie(url))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // The engine is inside its navigation decision now; the new load starts once it has returned.
    const QUrl player = PlayerPageUrl(playerFolder_, url);
    QTimer::singleShot(0, this, [this, player] { load(player); });
    return false;
}
