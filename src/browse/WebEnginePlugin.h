#pragma once

#include <QObject>

#include "browse/BrowserEngine.h"

class QWebEngineProfile;

// The entry of the engine's module.
class WebEnginePlugin : public QObject, public BrowserEngineFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QV_BROWSER_ENGINE_IID)
    Q_INTERFACES(BrowserEngineFactory)

public:
    WebBrowser* CreateBrowser(QWidget* parent, const BrowserFolders& folders) override;

private:
    QWebEngineProfile* Profile();

    bool profileReady_ = false;
};
