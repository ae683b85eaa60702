#include "browse/BrowserEngine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QOpenGLContext>

#include "platform/ProgramModule.h"

// Qt's own setter of the context every other one shares with; exported by the GUI module, though not in its
// public headers.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {
// Peer-to-peer connections send their packets past every request interceptor, from every frame of a page,
// frames made by a script included, where no script of ours reaches. The engine itself leaves them no route,
// for every frame alike: no UDP at all (no STUN, no checks of a peer's addresses), and no TCP, since the host
// resolver finds no address for any host, an address written as numbers included. The pages are files on
// disk and name no host; nothing else of the engine looks one up, so no name lookup leaves the machine either.
constexpr char kNoPeerToPeerRoutes[] =
    " --force-webrtc-ip-handling-policy=disable_non_proxied_udp \"--host-resolver-rules=MAP * ~NOTFOUND\"";

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
    return LoadProgramModule<BrowserEngineFactory>(kBrowserEngineModule, QStringLiteral("无法启动浏览器组件“%1”：%2"));
}

void PrepareBrowserEngine() {
    // The engine's sandbox refuses to start for root, which only test and build machines are.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Ours come last: of a flag given twice, the engine takes the last.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + kNoPeerToPeerRoutes;
    // The engine reports on its graphics and internals to the console; a learner's console stays quiet unless
    // QV_BROWSER_LOG asks for them.
    if (qEnvironmentVariableIsEmpty("QV_BROWSER_LOG")) {
        flags += " --disable-logging --log-level=3";
        const QByteArray rules = qgetenv("QT_LOGGING_RULES");
        qputenv("QT_LOGGING_RULES", (rules.isEmpty() ? rules : rules + ';') + "qt.webengine*=false");
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}
