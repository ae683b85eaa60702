#include "browse/BrowserEngine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QPluginLoader>

#include "platform/AppDir.h"
#include "platform/Exception.h"

BrowserEngineFactory& BrowserEngine() {
    // The loader keeps the module loaded and hands back the same instance on every call.
    const QString fileName = FileSystemPath(AppDir() + kBrowserEngineModule);
    QPluginLoader loader(fileName);
    auto* engine = qobject_cast<BrowserEngineFactory*>(loader.instance());
    if (engine == nullptr)
        throw Exception(QStringLiteral("无法启动浏览器组件“%1”：%2").arg(fileName, loader.errorString()));
    return *engine;
}

void PrepareBrowserEngine() {
    // The engine's sandbox refuses to start for root, which only test and build machines are.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine draws through a context shared with the windows; it can only be asked for now.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
