#include "browse/BrowserEngine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPluginLoader>

#include "platform/AppDir.h"
#include "platform/Exception.h"

// Qt's own setter of the context every other one shares with; exported by the GUI module, though not in its
// public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {
// The engine draws through an OpenGL context shared with the windows. Qt makes one with the application when
// asked to beforehand, but that loads the system's whole OpenGL driver at every start: it is made here, when
// the engine is first needed.
void ShareOpenGLContext() {
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}
}  // namespace

BrowserEngineFactory& BrowserEngine() {
    ShareOpenGLContext();
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
}
