#pragma once

#include <QWebEngineView>

#include "browse/BrowserEngine.h"

// The browser control of the browser window: a view of one BrowsePage.
class WebBrowserView : public QWebEngineView, public WebBrowser {
    Q_OBJECT

public:
    WebBrowserView(QWebEngineProfile* profile, const BrowserFolders& folders, QWidget* parent);

    QWidget* Control() override { return this; }
    void Load(const QUrl& url) override;
    void ShowHtml(const QString& html) override;
};
