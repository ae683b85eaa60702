#include "browse/WebBrowserView.h"

#include "browse/BrowsePage.h"

WebBrowserView::WebBrowserView(QWebEngineProfile* profile, const BrowserFolders& folders, QWidget* parent)
    : QWebEngineView(parent) {
    setPage(new BrowsePage(profile, folders, this));
}

void WebBrowserView::Load(const QUrl& url) {
    load(url);
}

void WebBrowserView::ShowHtml(const QString& html) {
    setHtml(html);
}
