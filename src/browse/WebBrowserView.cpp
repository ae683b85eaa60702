#include "browse/WebBrowserView.h"

#include "browse/BrowsePage.h"

WebBrowserView::WebBrowserView(QWebEngineProfile* profile, const QString& playerFolder, QWidget* parent)
    : QWebEngineView(parent) {
    setPage(new BrowsePage(profile, playerFolder, this));
}

void WebBrowserView::Load(const QUrl& url) {
    load(url);
}

void WebBrowserView::ShowHtml(const QString& html) {
    setHtml(html);
}
