// A game plays in the browser window through the Flash player and answers the mouse.
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
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

// Where the browser control lies in a tour picture of the browser window: its place in the client area as the
// picture's .json gives it, the client area centred at the bottom of the window's frame.
QRect BrowserControlIn(const QString& tour, const QString& form, const QImage& picture) {
    QFile file(tour + '/' + form + ".json");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    const int border = (picture.width() - json["client"]["width"].toInt()) / 2;
    const QPoint client(border, picture.height() - border - json["client"]["height"].toInt());
    for (const QJsonValue control : json["controls"].toArray()) {
        if (control["name"].toString() == QLatin1String("WebBrowser1"))
            return QRect(control["x"].toInt(), control["y"].toInt(), control["width"].toInt(),
                         control["height"].toInt())
                .translated(client);
    }
    return {};
}

qsizetype ColoursIn(const QImage& picture, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 4) {
        for (int x = area.left(); x <= area.right(); x += 4)
            colours.insert(picture.pixel(x, y));
    }
    return colours.size();
}
}  // namespace

class BrowseGameTest : public QObject {
    Q_OBJECT

private slots:
    void clickChoosesASign();
    void damagedGameShowsOurOwnPage_data();
    void damagedGameShowsOurOwnPage();
    void tourPicturesTheGameQuietly();
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

// The tour's picture of the game window shows the game's board, not the blank player of its first moments; and a
// run without a display keeps the browser engine's own log lines (graphics, WebGL, command buffers) off the console.
void BrowseGameTest::tourPicturesTheGameQuietly() {
    QTemporaryDir out;
    const ProcessRun run = RunProcess(BuiltProgram(), {QStringLiteral("--tour"), out.path()});
    QCOMPARE(run.exitCode, 0);
    static const QRegularExpression engineLog(
        QStringLiteral(R"(^\[\d+:\d+:|\bGL\b|WebGL|blocklist|command_buffer|CommandBuffer|GPU|qt\.webengine)"),
        QRegularExpression::MultilineOption);
    QVERIFY2(!engineLog.match(run.err).hasMatch(), qPrintable(run.err));

    const QImage picture(out.path() + "/frmBrowseGame.png");
    const QRect browser = BrowserControlIn(out.path(), QStringLiteral("frmBrowseGame"), picture);
    QVERIFY(!browser.isEmpty() && picture.rect().contains(browser));
    QVERIFY2(ColoursIn(picture, browser) >= 16, qPrintable(QString::number(ColoursIn(picture, browser))));
}

QV_BROWSER_TEST_MAIN(BrowseGameTest)
#include "tst_browsegame.moc"
