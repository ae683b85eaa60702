#include "browse/WebEnginePlugin.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "browse/LocalOnlyInterceptor.h"
#include "browse/WebBrowserView.h"

WebBrowser* WebEnginePlugin::CreateBrowser(QWidget* parent, const BrowserFolders& folders) {
    return new WebBrowserView(Profile(), folders, parent);
}

QWebEngineProfile* WebEnginePlugin::Profile() {
    // The default profile keeps nothing on disk: the program writes no files of its own but its settings.
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    if (!profileReady_) {
        profileReady_ = true;
        profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(std::nullopt, profile));
        profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        profile->setSpellCheckEnabled(false);
        QWebEngineSettings* settings = profile->settings();
        // The games start by themselves, sound included, as they did in the old player.
        settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    }
    return profile;
}
