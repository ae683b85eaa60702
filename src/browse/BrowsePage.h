#pragma once

#include <QWebEnginePage>

#include "browse/BrowserEngine.h"

// A page of the browser window. The engine cannot show a Flash movie itself: a navigation of the
// whole page to a movie on disk becomes the player page of the player folder, playing that movie. The
// page and its frames read no file outside its readable folders.
class BrowsePage : public QWebEnginePage {
    Q_OBJECT

public:
    BrowsePage(QWebEngineProfile* profile, const BrowserFolders& folders, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    QString playerFolder_;
};
