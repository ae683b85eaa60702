#pragma once

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "TestSupport.h"
#include "browse/BrowserEngine.h"
#include "browse/UfrmBrowse.h"

// Like QV_TEST_MAIN, for tests that start the browser engine: it needs its say before the application
// object exists, as in the program.
#define QV_BROWSER_TEST_MAIN(TestObject)              \
    int main(int argc, char** argv) {                 \
        PrepareBrowserEngine();                       \
        Application app(argc, argv);                  \
        QApplication::setApplicationName("Quorvane"); \
        TestObject test;                              \
        return QTest::qExec(&test, argc, argv);       \
    }

// Chooses `item` and runs `check` on the browser window while it is shown modally, then closes it as
// the learner would. Returns whether the window was shown at all.
inline bool WhileShown(QAction* item, const std::function<void(TfrmBrowse&)>& check) {
    bool shown = false;
    QTimer inside;
    inside.setSingleShot(true);
    QObject::connect(&inside, &QTimer::timeout, [&] {
        if (frmBrowse == nullptr || !frmBrowse->isModal() || !frmBrowse->isVisible())
            return;
        shown = true;
        check(*frmBrowse);
        frmBrowse->close();
    });
    inside.start(0);
    item->trigger();
    return shown;
}

// What the browser control shows: its address and the title of the page in it.
inline QUrl ShownUrl(const TfrmBrowse& window) {
    return window.WebBrowser1->property("url").toUrl();
}
inline QString ShownTitle(const TfrmBrowse& window) {
    return window.WebBrowser1->property("title").toString();
}

// The title a page file gives itself.
inline QString PageTitle(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto match =
        QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(QString::fromUtf8(file.readAll()));
    return match.captured(1);
}

// A program folder of the test's own in which the browser engine can start, with no page and no game.
class BrowserAppDir : public TestAppDir {
public:
    BrowserAppDir() : TestAppDir(NoBanks) {
        // The engine's module and the Flash player are large and never change under a test: linked, not copied.
        for (const QString& part : {kBrowserEngineModule, QStringLiteral("ruffle")})
            QFile::link(BuiltAppDir() + part, File(part));
    }
};
