// The rules that keep the browser window on the learner's machine, the address of the movie player
// page, the page shown for a missing file, and the pages that ship: all without starting the engine.
#include <QDir>
#include <QTest>
#include <QUrlQuery>

#include "TestSupport.h"
#include "browse/LocalContent.h"

class LocalOnlyTest : public QObject {
    Q_OBJECT

private slots:
    void localRequests_data();
    void localRequests();
    void readableFiles_data();
    void readableFiles();
    void flashMovies_data();
    void flashMovies();
    void playerPageNamesTheMovie();
    void missingFilePageNamesTheFileSafely();
    void shippedPagesAreSelfContained();
};

void LocalOnlyTest::localRequests_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("local");
    QTest::newRow("file") << "file:///opt/quorvane/image/bz1.htm" << true;
    QTest::newRow("data") << "data:text/html;charset=UTF-8,%3Cp%3E" << true;
    QTest::newRow("blob") << "blob:file:///7c1e2a4b" << true;
    QTest::newRow("blank") << "about:blank" << true;
    QTest::newRow("upper-case file") << "FILE:///opt/quorvane/game/mnjs.swf" << true;
    QTest::newRow("http") << "http://www.quorvane.example/" << false;
    QTest::newRow("https") << "https://127.0.0.1/" << false;
    QTest::newRow("web socket") << "ws://127.0.0.1:8080/" << false;
    QTest::newRow("ftp") << "ftp://files.example/a.swf" << false;
    QTest::newRow("no scheme") << "//cdn.example/ruffle.js" << false;
}

void LocalOnlyTest::localRequests() {
    QFETCH(QString, url);
    QTEST(IsLocalRequest(QUrl(url)), "local");
}

void LocalOnlyTest::readableFiles_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("readable");
    QTest::newRow("page") << QUrl::fromLocalFile("/opt/驾校 程序/image/bz1.htm") << true;
    QTest::newRow("game") << QUrl::fromLocalFile("/opt/驾校 程序/game/daoche.swf") << true;
    QTest::newRow("settings beside them") << QUrl::fromLocalFile("/opt/驾校 程序/config.ini") << false;
    QTest::newRow("elsewhere") << QUrl::fromLocalFile("/etc/passwd") << false;
    QTest::newRow("up and out") << QUrl("file:///opt/%E9%A9%BE%E6%A0%A1%20%E7%A8%8B%E5%BA%8F/image/../t1.mdb") << false;
    QTest::newRow("folder name as a prefix") << QUrl::fromLocalFile("/opt/驾校 程序/images/x.htm") << false;
    QTest::newRow("a folder itself") << QUrl::fromLocalFile("/opt/驾校 程序/image") << false;
    QTest::newRow("not a file") << QUrl("data:text/html,x") << true;
}

void LocalOnlyTest::readableFiles() {
    QFETCH(QUrl, url);
    const QStringList folders{"/opt/驾校 程序/image/", "/opt/驾校 程序/game/"};
    QTEST(IsReadableFile(url, folders), "readable");
}

void LocalOnlyTest::flashMovies_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("movie");
    QTest::newRow("game") << QUrl::fromLocalFile("/opt/驾校 程序/game/daoche.swf") << true;
    QTest::newRow("upper case") << QUrl::fromLocalFile("/opt/q/game/DAOCHE.SWF") << true;
    QTest::newRow("page") << QUrl::fromLocalFile("/opt/q/image/bz1.htm") << false;
    QTest::newRow("swf in the folder name") << QUrl::fromLocalFile("/opt/q.swf/image/bz1.htm") << false;
    QTest::newRow("remote movie") << QUrl("http://games.example/daoche.swf") << false;
}

void LocalOnlyTest::flashMovies() {
    QFETCH(QUrl, url);
    QTEST(IsFlashMovie(url), "movie");
}

void LocalOnlyTest::playerPageNamesTheMovie() {
    const QUrl movie = QUrl::fromLocalFile(QStringLiteral("/opt/驾校 程序/game/lian#lian&kan.swf"));
    const QUrl page = PlayerPageUrl(QStringLiteral("/opt/驾校 程序/ruffle/"), movie);
    QCOMPARE(page.toLocalFile(), QStringLiteral("/opt/驾校 程序/ruffle/player.htm"));
    QCOMPARE(PlayerPageFile(QStringLiteral("/opt/驾校 程序/ruffle/")), page.toLocalFile());
    // The page reads the movie back as a URL search parameter does: decoded once, a usable address.
    const QString read = QUrlQuery(page).queryItemValue(QStringLiteral("movie"), QUrl::FullyDecoded);
    QCOMPARE(QUrl(read, QUrl::StrictMode), movie);
    QCOMPARE(QUrlQuery(page).queryItems().size(), 1);
}

void LocalOnlyTest::missingFilePageNamesTheFileSafely() {
    const QString page = MissingFilePage(QStringLiteral("/opt/驾校 <b>程序</b>/image/bz1.htm"));
    QVERIFY(page.contains(QStringLiteral("/opt/驾校 &lt;b&gt;程序&lt;/b&gt;/image/bz1.htm")));
    QVERIFY(!page.contains(QStringLiteral("<b>")));
    QVERIFY(page.contains(QStringLiteral("<title>找不到文件</title>")));
    QVERIFY(page.contains(QStringLiteral("<meta charset=\"utf-8\">")));
}

void LocalOnlyTest::shippedPagesAreSelfContained() {
    const QDir pages(BuiltAppDir() + QStringLiteral("image"));
    const QStringList names = {"jt0.htm", "jt1.htm", "jt2.htm", "bz1.htm", "bz2.htm", "bz3.htm",
                               "bz4.htm", "bz5.htm", "bz6.htm", "JQ1.htm", "JQ2.htm"};
    const QRegularExpression outside(
        QStringLiteral("(src|href)\\s*=\\s*[\"']?\\s*(https?:|//)|url\\(\\s*[\"']?(https?:|//)"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& name : names) {
        QFile file(pages.filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        const QString text = QString::fromUtf8(bytes);
        QVERIFY2(text.toUtf8() == bytes, qPrintable(name + " is not UTF-8"));
        QVERIFY2(text.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(name));
        QVERIFY2(!outside.match(text).hasMatch(), qPrintable(name + ": " + outside.match(text).captured()));
    }
}

QV_TEST_MAIN(LocalOnlyTest)
#include "tst_localonly.moc"
