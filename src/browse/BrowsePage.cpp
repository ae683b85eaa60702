#include "browse/BrowsePage.h"

#include <QTimer>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include "browse/LocalContent.h"
#include "browse/LocalOnlyInterceptor.h"

namespace {
// Peer-to-peer connections send data over UDP, past every request interceptor; no page of ours needs
// them, so they are taken away before any script of a page or its frames runs.
QWebEngineScript WithoutPeerConnections() {
    QWebEngineScript script;
    script.setName(QStringLiteral("without-peer-connections"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(
        QStringLiteral("for (const name of ['RTCPeerConnection', 'webkitRTCPeerConnection', 'RTCDataChannel', "
                       "'RTCSessionDescription', 'RTCIceCandidate']) { try { Object.defineProperty(window, name, "
                       "{value: undefined, writable: false, configurable: false}); } catch (e) {} }"));
    return script;
}
}  // namespace

BrowsePage::BrowsePage(QWebEngineProfile* profile, const BrowserFolders& folders, QObject* parent)
    : QWebEnginePage(profile, parent), playerFolder_(folders.player) {
    setUrlRequestInterceptor(new LocalOnlyInterceptor(folders.readable, this));
    scripts().insert(WithoutPeerConnections());
}

bool BrowsePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (!isMainFrame || !IsFlashMovie(url))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // The engine is inside its navigation decision now; the new load starts once it has returned.
    const QUrl player = PlayerPageUrl(playerFolder_, url);
    QTimer::singleShot(0, this, [this, player] { load(player); });
    return false;
}
