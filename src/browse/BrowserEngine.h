#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

class QUrl;
class QWidget;

// One embedded browser control, as the browser window uses it. The control is a widget of the
// engine's module; its owner is the window it was created in.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;

    virtual QWidget* Control() = 0;
    // Starts loading `url`; the load completes in the engine's own time.
    virtual void Load(const QUrl& url) = 0;
    // Shows a page of our own, made from `html`, that can reach no file and no address.
    virtual void ShowHtml(const QString& html) = 0;
};

// The folders a browser control works with: `player` holds the Flash player's web build and the page
// that hosts a movie (LocalContent.h); its pages may read files inside `readable` only (absolute paths
// ending in '/', the player's folder among them).
struct BrowserFolders {
    QString player;
    QStringList readable;
};

// The engine's module: it makes browser controls.
class BrowserEngineFactory {
public:
    virtual ~BrowserEngineFactory() = default;

    virtual WebBrowser* CreateBrowser(QWidget* parent, const BrowserFolders& folders) = 0;
};

#define QV_BROWSER_ENGINE_IID "org.quorvane.BrowserEngine/2"
Q_DECLARE_INTERFACE(BrowserEngineFactory, QV_BROWSER_ENGINE_IID)

// The engine's module file, relative to AppDir.
inline const QString kBrowserEngineModule = QStringLiteral("libqvwebengine.so");

// The engine, loaded from the program folder on first use. Raises Exception when it cannot be loaded.
BrowserEngineFactory& BrowserEngine();

// What the engine needs of the process before the application object exists: its sandbox, no route for the
// peer-to-peer connections of pages, and its console logging off unless the environment sets QV_BROWSER_LOG.
void PrepareBrowserEngine();
