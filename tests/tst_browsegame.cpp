// A game plays in the browser window through the Flash player and answers the mouse.
#include <QDir>
#include <QTest>

#include "BrowserTestSupport.h"
#include "app/UFrmMain.h"
#include "platform/AppDir.h"

namespace {
// The colour of the sign-matching game's board at a point left of the first sign's picture: the
// tile's own colour, which turns yellow while the tile is chosen.
QColor TileColour(QWidget* browser) {
    return browser->grab().toImage().pixelColor(57, 76);
}

bool Chosen(const QColor& colour) {
    return colour.red() > 240 && colour.green() > 200 && colour.blue() < 180;
}
}  // namespace

class BrowseGameTest : public QObject {
    Q_OBJECT

private slots:
    void clickChoosesASign();
    void damagedGameShowsOurOwnPage_data();
    void damagedGameShowsOurOwnPage();
};

void BrowseGameTest::clickChoosesASign() {
    SetAppDirForTesting(BuiltAppDir());
    TfrmMain form;
    QVERIFY(WhileShown(form.findChild<QAction*>("N22"), [](TfrmBrowse& shown) {
        QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(shown), QStringLiteral("正在播放"), 20000);
        QWidget* browser = shown.WebBrowser1;
        // The first tile of the board, 60 pixels square, has its centre at (82, 76).
        QTRY_VERIFY_WITH_TIMEOUT(TileColour(browser).blue() > 230, 5000);
        QTest::qWait(300);
        QVERIFY(!Chosen(TileColour(browser)));
        QTest::mouseClick(browser->focusProxy(), Qt::LeftButton, {}, QPoint(82, 76));
        QTRY_VERIFY_WITH_TIMEOUT(Chosen(TileColour(browser)), 5000);
    }));
    QCOMPARE(frmBrowse, nullptr);
    SetAppDirForTesting({});
}

void BrowseGameTest::damagedGameShowsOurOwnPage_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not a movie") << QByteArray("<html>this is no game</html>");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("movie header, damaged body") << QByteArray("CWS\x0A\x00\x10\x00\x00") + QByteArray(64, '\xA5');
}

// The player's own error screen speaks English; the learner sees a page of ours instead.
void BrowseGameTest::damagedGameShowsOurOwnPage() {
    QFETCH(QByteArray, bytes);
    BrowserAppDir dir;
    QVERIFY(QDir().mkpath(dir.File(QStringLiteral("game"))));
    dir.WriteFile(QStringLiteral("game/lianliankan.swf"), bytes);
    TfrmMain form;
    QVERIFY(WhileShown(form.findChild<QAction*>("N22"), [](TfrmBrowse& shown) {
        QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(shown), QStringLiteral("无法播放"), 20000);
    }));
}

QV_BROWSER_TEST_MAIN(BrowseGameTest)
#include "tst_browsegame.moc"
