// The browser window as the main window's page and game items open it: captions, files, the fate of
// the window after each, its reuse, Esc, missing files, and that nothing leaves the machine.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "BrowserTestSupport.h"
#include "app/UFrmMain.h"
#include "browse/LocalContent.h"
#include "platform/AppDir.h"

namespace {
QAction* Item(const TfrmMain& form, const char* name) {
    return form.findChild<QAction*>(QLatin1String(name));
}

// The program folder the build made, with every page and game, in place of AppDir while it lives.
class BuiltContent {
public:
    BuiltContent() { SetAppDirForTesting(BuiltAppDir()); }
    ~BuiltContent() { SetAppDirForTesting({}); }
};

// A socket of `type` bound to a free port on this machine, which stands for every address outside.
class LoopbackSocket {
public:
    explicit LoopbackSocket(int type) {
        socket_ = ::socket(AF_INET, type | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        auto* generic = reinterpret_cast<sockaddr*>(&address);
        if (::bind(socket_, generic, length) == 0 && ::getsockname(socket_, generic, &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~LoopbackSocket() { ::close(socket_); }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    int Port() const { return port_; }

protected:
    int socket_ = -1;
    int port_ = 0;
};

// A port that records whether anything knocked.
class Listener : public LoopbackSocket {
public:
    Listener() : LoopbackSocket(SOCK_STREAM) {
        if (::listen(socket_, 8) != 0)
            port_ = 0;
    }
    bool Knocked() const {
        const int connection = ::accept(socket_, nullptr, nullptr);
        if (connection >= 0)
            ::close(connection);
        return connection >= 0;
    }
};

// A STUN server's port that keeps who sent it a datagram.
class UdpListener : public LoopbackSocket {
public:
    UdpListener() : LoopbackSocket(SOCK_DGRAM) {}
    // The ports the datagrams that arrived so far came from.
    QStringList Senders() const {
        QStringList senders;
        char datagram[1500];
        sockaddr_in sender{};
        socklen_t length = sizeof sender;
        while (::recvfrom(socket_, datagram, sizeof datagram, 0, reinterpret_cast<sockaddr*>(&sender), &length) >= 0) {
            senders << QString::number(ntohs(sender.sin_port));
            length = sizeof sender;
        }
        return senders;
    }
};

QUrl PlayerFor(const QString& movie) {
    return PlayerPageUrl(BuiltAppDir() + QStringLiteral("ruffle/"), QUrl::fromLocalFile(movie));
}
}  // namespace

class BrowseTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void itemOpensItsFile_data();
    void itemOpensItsFile();
    void pagesReuseTheWindowWithItsSizeAndPlace();
    void gameAfterPagePlaysInThatWindowThenDestroysIt();
    void sameGameTwiceStartsAfresh();
    void escapeLeavesAPageButNotAGame_data();
    void escapeLeavesAPageButNotAGame();
    void missingFileShowsAPageNamingIt_data();
    void missingFileShowsAPageNamingIt();
    void engineThatCannotStartIsReported_data();
    void engineThatCannotStartIsReported();
    void unreadableFileIsReported();
    void nothingLeavesTheMachine();
    void pagesReadOnlyTheProgramsFolders();
    void peerConnectionsReachNothingFromAnyFrame();
};

void BrowseTest::cleanup() {
    QCOMPARE(frmBrowse, nullptr);
}

void BrowseTest::itemOpensItsFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("kept");

    QTest::newRow("N11") << "image/jt0.htm"
                         << "中华人民共和国道路交通安全法" << true;
    QTest::newRow("N12") << "image/jt1.htm"
                         << "中华人民共和国道路交通安全法实施条例" << true;
    QTest::newRow("N13") << "image/jt2.htm"
                         << "机动车驾驶证申领和使用规定（2022年4月1日起施行）要点" << true;
    QTest::newRow("N14") << "image/bz1.htm"
                         << "交通标志" << true;
    QTest::newRow("N15") << "image/bz2.htm"
                         << "交通标志" << true;
    QTest::newRow("N16") << "image/bz3.htm"
                         << "交通标志" << true;
    QTest::newRow("N18") << "image/bz4.htm"
                         << "交通标志" << true;
    QTest::newRow("N17") << "image/bz5.htm"
                         << "交通标志" << true;
    QTest::newRow("N19") << "image/bz6.htm"
                         << "交通标志" << true;
    QTest::newRow("N20") << "image/JQ1.htm"
                         << "考试技巧" << true;
    QTest::newRow("N21") << "image/JQ2.htm"
                         << "考试技巧" << true;
    QTest::newRow("N22") << "game/lianliankan.swf"
                         << "交通标志连连看" << false;
    QTest::newRow("N23") << "game/daoche.swf"
                         << "经典倒车小游戏" << false;
    QTest::newRow("N24") << "game/jiachegaoshou.swf"
                         << "驾车高手" << false;
    QTest::newRow("N3D1") << "game/mnjs.swf"
                          << "模拟驾驶游戏" << false;
}

void BrowseTest::itemOpensItsFile() {
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QFETCH(bool, kept);
    BuiltContent content;
    MessageBoxRecorder boxes;
    TfrmMain form;
    const QString path = BuiltAppDir() + file;
    const bool game = file.endsWith(QLatin1String(".swf"));

    QPointer<TfrmBrowse> window;
    QVERIFY(WhileShown(Item(form, QTest::currentDataTag()), [&](TfrmBrowse& shown) {
        window = &shown;
        QCOMPARE(shown.windowTitle(), caption);
        QCOMPARE(shown.parentWidget(), &form);
        QCOMPARE(shown.WebBrowser1->geometry(), shown.contentsRect());
        if (game) {
            QTRY_COMPARE(ShownUrl(shown), PlayerFor(path));
            QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(shown), QStringLiteral("正在播放"), 15000);
        } else {
            QTRY_COMPARE(ShownUrl(shown), QUrl::fromLocalFile(path));
            QTRY_COMPARE(ShownTitle(shown), PageTitle(path));
        }
    }));
    QVERIFY(boxes.shown.empty());
    QCOMPARE(window.isNull(), !kept);
    QCOMPARE(frmBrowse, kept ? window.data() : nullptr);
    if (kept)
        QVERIFY(!window->isVisible());
}

void BrowseTest::pagesReuseTheWindowWithItsSizeAndPlace() {
    BuiltContent content;
    TfrmMain form;
    QPointer<TfrmBrowse> first;
    const QRect moved(40, 30, 820, 560);
    WhileShown(Item(form, "N14"), [&](TfrmBrowse& shown) {
        first = &shown;
        QCOMPARE(shown.contentsRect().size(), QSize(705, 430));
        shown.setGeometry(moved);
    });
    QVERIFY(first);
    QVERIFY(WhileShown(Item(form, "N16"), [&](TfrmBrowse& shown) {
        QCOMPARE(&shown, first.data());
        QCOMPARE(shown.windowTitle(), QStringLiteral("交通标志"));
        QCOMPARE(shown.geometry(), moved);
        QCOMPARE(shown.WebBrowser1->geometry(), shown.contentsRect());
        QTRY_COMPARE(ShownUrl(shown), QUrl::fromLocalFile(BuiltAppDir() + QStringLiteral("image/bz3.htm")));
    }));
    QVERIFY(WhileShown(Item(form, "N20"), [&](TfrmBrowse& shown) {
        QCOMPARE(&shown, first.data());
        QCOMPARE(shown.windowTitle(), QStringLiteral("考试技巧"));
    }));
    QCOMPARE(frmBrowse, first.data());
}

void BrowseTest::gameAfterPagePlaysInThatWindowThenDestroysIt() {
    BuiltContent content;
    TfrmMain form;
    QPointer<TfrmBrowse> kept;
    WhileShown(Item(form, "N11"), [&](TfrmBrowse& shown) {
        kept = &shown;
        shown.resize(900, 600);
    });
    QVERIFY(WhileShown(Item(form, "N22"), [&](TfrmBrowse& shown) {
        QCOMPARE(&shown, kept.data());
        QTRY_COMPARE(ShownUrl(shown), PlayerFor(BuiltAppDir() + QStringLiteral("game/lianliankan.swf")));
    }));
    QVERIFY(kept.isNull());
    QCOMPARE(frmBrowse, nullptr);

    QVERIFY(WhileShown(Item(form, "N21"), [&](TfrmBrowse& shown) {
        QCOMPARE(shown.contentsRect().size(), QSize(705, 430));
        const QPoint offCentre = shown.geometry().center() - shown.screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }));
}

void BrowseTest::sameGameTwiceStartsAfresh() {
    BuiltContent content;
    TfrmMain form;
    QPointer<TfrmBrowse> first;
    WhileShown(Item(form, "N23"), [&](TfrmBrowse& shown) { first = &shown; });
    QVERIFY(first.isNull());
    QVERIFY(WhileShown(Item(form, "N23"), [&](TfrmBrowse& shown) {
        QVERIFY(first.isNull());
        QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(shown), QStringLiteral("正在播放"), 15000);
    }));
    QCOMPARE(frmBrowse, nullptr);
}

void BrowseTest::escapeLeavesAPageButNotAGame_data() {
    QTest::addColumn<QStringList>("items");  // chosen in turn; Esc goes to the window of the last
    QTest::addColumn<QString>("loaded");     // the title of the last once it is loaded
    QTest::addColumn<bool>("leaves");
    const QString playing = QStringLiteral("正在播放");
    QTest::newRow("sign page") << QStringList{"N15"} << PageTitle(BuiltAppDir() + QStringLiteral("image/bz2.htm"))
                               << true;
    QTest::newRow("game") << QStringList{"N24"} << playing << false;
    QTest::newRow("game in the window kept from a page") << QStringList{"N11", "N22"} << playing << false;
}

// Esc as the learner presses it, with the focus in the page or game; a game's window ignores it also when the game
// leaves it unused.
void BrowseTest::escapeLeavesAPageButNotAGame() {
    QFETCH(QStringList, items);
    QFETCH(QString, loaded);
    QFETCH(bool, leaves);
    BuiltContent content;
    TfrmMain form;
    const QString last = items.takeLast();
    for (const QString& item : items)
        QVERIFY(WhileShown(Item(form, qPrintable(item)), [](TfrmBrowse&) {}));
    QVERIFY(WhileShown(Item(form, qPrintable(last)), [&](TfrmBrowse& shown) {
        shown.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        QTRY_COMPARE_WITH_TIMEOUT(ShownTitle(shown), loaded, 15000);
        QTest::keyClick(shown.WebBrowser1->focusProxy(), Qt::Key_Escape);
        if (leaves) {
            QTRY_VERIFY(!shown.isVisible());
            return;
        }
        QTest::keyClick(&shown, Qt::Key_Escape);
        QTest::qWait(500);
        QVERIFY(shown.isVisible());
    }));
}

void BrowseTest::missingFileShowsAPageNamingIt_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("kept");
    QTest::newRow("law page") << "N13" << true;
    QTest::newRow("tip page") << "N21" << true;
    QTest::newRow("game") << "N24" << false;
}

void BrowseTest::missingFileShowsAPageNamingIt() {
    QFETCH(QString, item);
    QFETCH(bool, kept);
    BrowserAppDir dir;
    MessageBoxRecorder boxes;
    TfrmMain form;
    QVERIFY(WhileShown(Item(form, qPrintable(item)),
                       [&](TfrmBrowse& shown) { QTRY_COMPARE(ShownTitle(shown), QStringLiteral("找不到文件")); }));
    QVERIFY(boxes.shown.empty());
    QCOMPARE(frmBrowse != nullptr, kept);
}

void BrowseTest::engineThatCannotStartIsReported_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("kept");
    QTest::newRow("sign page") << "N15" << true;
    QTest::newRow("game") << "N3D1" << false;
}

void BrowseTest::engineThatCannotStartIsReported() {
    QFETCH(QString, item);
    QFETCH(bool, kept);
    TestAppDir dir(TestAppDir::NoBanks);
    MessageBoxRecorder boxes;
    TfrmMain form;
    QVERIFY(!WhileShown(Item(form, qPrintable(item)), [](TfrmBrowse&) {}));
    QCOMPARE(boxes.shown.size(), size_t(1));
    QVERIFY2(boxes.shown.front().text.contains(dir.File(kBrowserEngineModule)), qPrintable(boxes.shown.front().text));
    QCOMPARE(frmBrowse != nullptr, kept);
}

void BrowseTest::unreadableFileIsReported() {
    BrowserAppDir dir;
    QVERIFY(QDir().mkpath(dir.File(QStringLiteral("image/jt0.htm"))));
    MessageBoxRecorder boxes;
    TfrmMain form;
    QVERIFY(!WhileShown(Item(form, "N11"), [](TfrmBrowse&) {}));
    QCOMPARE(boxes.shown.size(), size_t(1));
    QVERIFY(boxes.shown.front().text.contains(dir.File(QStringLiteral("image/jt0.htm"))));
}

void BrowseTest::nothingLeavesTheMachine() {
    Listener outside;
    QVERIFY(outside.Port() != 0);
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(outside.Port());
    BrowserAppDir dir;
    // Every way a page may reach out: a picture, a style sheet, a script, a frame, a fetch and a
    // navigation of the whole page. The local picture shows that local files still load.
    QVERIFY(QDir().mkpath(dir.File(QStringLiteral("image"))));
    dir.WriteFile(QStringLiteral("image/local.svg"),
                  "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'><rect width='4' height='4'/></svg>");
    const QString page = QStringLiteral(R"page(<!DOCTYPE html><html><head><meta charset="utf-8">
<title>start</title><link rel="stylesheet" href="%1style.css"><script src="%1script.js"></script></head><body>
<img src="%1picture.png"><iframe src="%1frame.htm"></iframe>
<img src="local.svg" onload="fetch('%1fetch').catch(() => { document.title = 'local only'; })">
</body></html>)page");
    dir.WriteFile(QStringLiteral("image/bz2.htm"), page.arg(address).toUtf8());
    TfrmMain form;
    QVERIFY(WhileShown(Item(form, "N15"), [&](TfrmBrowse& shown) {
        QTRY_COMPARE(ShownTitle(shown), QStringLiteral("local only"));
        shown.WebBrowser1->setProperty("url", QUrl(address + QStringLiteral("page.htm")));
        QTest::qWait(500);
    }));
    QVERIFY(!outside.Knocked());
}

// A page tries every way it has to read a file beside the program's own folders, or to send one away;
// each reports "read" or "blocked" in the page's title. A file of image/ shows that reading still works
// inside the folders.
void BrowseTest::pagesReadOnlyTheProgramsFolders() {
    Listener outside;
    QVERIFY(outside.Port() != 0);
    BrowserAppDir dir;
    QVERIFY(QDir().mkpath(dir.File(QStringLiteral("image"))));
    dir.WriteFile(QStringLiteral("image/allowed.txt"), "inside");
    dir.WriteFile(QStringLiteral("config.ini"), "secret");
    dir.WriteFile(QStringLiteral("secret.svg"),
                  "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'><rect width='4' height='4'/></svg>");
    dir.WriteFile(QStringLiteral("secret.htm"), "<script>parent.postMessage('read', '*')</script>");
    dir.WriteFile(QStringLiteral("secret.js"), "postMessage('read')");
    dir.WriteFile(QStringLiteral("image/escape.htm"), "<script>parent.postMessage('read', '*')</script>");
    QVERIFY(QFile::link(dir.Path(), dir.File(QStringLiteral("image/up"))));
    const QString folder = QUrl::fromLocalFile(dir.Path()).toString(QUrl::FullyEncoded);
    const QString page = QStringLiteral(R"page(<!DOCTYPE html><html><head><meta charset="utf-8"><title>start</title>
<script>
const outside = '%1', away = 'http://127.0.0.1:%2/';
const wait = (ms) => new Promise((done) => setTimeout(done, ms));
const read = (promise) => promise.then((text) => text ? 'read' : 'blocked', () => 'blocked');
const message = (start) => new Promise((done) => {
  window.addEventListener('message', (event) => done(event.data), {once: true});
  try { start(); } catch (e) { done('blocked'); }
  setTimeout(() => done('blocked'), 1500);
});
async function tryAll() {
  const results = {};
  results.inside = await read(fetch('allowed.txt').then((r) => r.text()));
  results.fetch = await read(fetch(outside + 'config.ini').then((r) => r.text()));
  results.link = await read(fetch('up/config.ini').then((r) => r.text()));
  results.xhr = await new Promise((done) => {
    const request = new XMLHttpRequest();
    request.onload = () => done(request.responseText ? 'read' : 'blocked');
    request.onerror = () => done('blocked');
    try { request.open('GET', outside + 'config.ini'); request.send(); } catch (e) { done('blocked'); }
  });
  results.img = await new Promise((done) => {
    const image = new Image();
    image.onload = () => done('read');
    image.onerror = () => done('blocked');
    image.src = outside + 'secret.svg';
  });
  results.iframe = await message(() => {
    const frame = document.createElement('iframe');
    frame.src = outside + 'secret.htm';
    document.body.appendChild(frame);
  });
  results.worker = await new Promise((done) => {
    try {
      const worker = new Worker(outside + 'secret.js');
      worker.onmessage = () => done('read');
      worker.onerror = () => done('blocked');
    } catch (e) { done('blocked'); }
    setTimeout(() => done('blocked'), 1500);
  });
  results.eventSource = await new Promise((done) => {
    try {
      const source = new EventSource(outside + 'config.ini');
      source.onmessage = () => done('read');
      source.onerror = () => { source.close(); done('blocked'); };
    } catch (e) { done('blocked'); }
  });
  try { new WebSocket(away.replace('http', 'ws')); } catch (e) {}
  try { navigator.sendBeacon(away + 'beacon', 'secret'); } catch (e) {}
  try { window.open(away + 'opened'); } catch (e) {}
  const form = document.createElement('form');
  form.method = 'post'; form.action = away + 'form'; form.target = 'sink';
  const sink = document.createElement('iframe'); sink.name = 'sink';
  document.body.append(sink, form);
  form.submit();
  await wait(500);
  document.title = JSON.stringify(results);
}
</script></head><body onload="tryAll()"></body></html>)page");
    dir.WriteFile(QStringLiteral("image/bz2.htm"), page.arg(folder).arg(outside.Port()).toUtf8());
    TfrmMain form;
    QVERIFY(WhileShown(Item(form, "N15"), [&](TfrmBrowse& shown) {
        QTRY_VERIFY_WITH_TIMEOUT(ShownTitle(shown).startsWith(u'{'), 20000);
        const QString expected =
            QStringLiteral(R"({"inside":"read","fetch":"blocked","link":"blocked","xhr":"blocked","img":"blocked",)"
                           R"("iframe":"blocked","worker":"blocked","eventSource":"blocked"})");
        QCOMPARE(ShownTitle(shown), expected);
    }));
    QVERIFY(!outside.Knocked());
}

// A page makes frames by script, an empty one, one from markup and one inside the first, and from itself and
// each frame opens peer connections with the constructor of that frame's own window: one with a sound track,
// one with a data channel, each with a STUN server on UDP and a relay on TCP of this machine, and answered by
// a peer at those same addresses; each frame has a STUN port of its own. The page reports what each saw in its
// title; no packet may arrive.
void BrowseTest::peerConnectionsReachNothingFromAnyFrame() {
    const QStringList frames{"page", "blank", "srcdoc", "nested"};
    std::map<QString, UdpListener> stun;
    Listener relay;
    QVERIFY(relay.Port() != 0);
    QStringList ports;
    for (const QString& frame : frames) {
        QVERIFY(stun[frame].Port() != 0);
        ports << QStringLiteral("%1: %2").arg(frame).arg(stun[frame].Port());
    }
    BrowserAppDir dir;
    QVERIFY(QDir().mkpath(dir.File(QStringLiteral("image"))));
    const QString page = QStringLiteral(R"page(<!DOCTYPE html><html><head><meta charset="utf-8"><title>start</title>
<script>
const stun = {%1}, relay = %2;
const loaded = (frame) => new Promise((done) => frame.addEventListener('load', done, {once: true}));
async function connect(Peer, port, media) {
  let candidates = 0;
  const connection = new Peer({iceServers: [{urls: `stun:127.0.0.1:${port}`},
      {urls: `turn:127.0.0.1:${relay}?transport=tcp`, username: 'learner', credential: 'secret'}]});
  connection.onicecandidate = (event) => { if (event.candidate) ++candidates; };
  media(connection);
  await connection.setLocalDescription(await connection.createOffer());
  // The other end answers with an address on UDP and one on TCP, which the connection checks.
  const answer = connection.localDescription.sdp.replace(/a=setup:actpass/g, 'a=setup:active');
  await connection.setRemoteDescription({type: 'answer', sdp: answer});
  for (const address of [`1 1 udp 2122260223 127.0.0.1 ${port} typ host`,
                         `2 1 tcp 1518280447 127.0.0.1 ${relay} typ host tcptype passive`])
    await connection.addIceCandidate({candidate: `candidate:${address}`, sdpMLineIndex: 0});
  await new Promise((done) => setTimeout(done, 3000));
  const state = connection.iceConnectionState;
  connection.close();
  return `${candidates} candidates, ICE ${state}`;
}
async function probe(name, view) {
  const Peer = view.RTCPeerConnection || view.webkitRTCPeerConnection;
  if (typeof Peer !== 'function')
    return [name, 'no peer connections'];
  const tries = [(c) => c.addTransceiver('audio'), (c) => c.createDataChannel('probe')].map(
      (media) => connect(Peer, stun[name], media).catch((e) => `refused: ${e.name}`));
  return [name, (await Promise.all(tries)).join('; ')];
}
async function probeAll() {
  const blank = document.createElement('iframe');
  document.body.append(blank);
  const srcdoc = document.createElement('iframe');
  srcdoc.srcdoc = '<p>frame</p>';
  document.body.append(srcdoc);
  await loaded(srcdoc);
  const nested = blank.contentDocument.createElement('iframe');
  blank.contentDocument.body.append(nested);
  const views = {page: window, blank: blank.contentWindow, srcdoc: srcdoc.contentWindow,
                 nested: nested.contentWindow};
  const seen = await Promise.all(Object.entries(views).map(([name, view]) => probe(name, view)));
  document.title = JSON.stringify(Object.fromEntries(seen));
}
</script></head><body onload="probeAll()"></body></html>)page");
    dir.WriteFile(QStringLiteral("image/bz2.htm"), page.arg(ports.join(", ")).arg(relay.Port()).toUtf8());
    TfrmMain form;
    QString seen;
    QVERIFY(WhileShown(Item(form, "N15"), [&](TfrmBrowse& shown) {
        QTRY_VERIFY_WITH_TIMEOUT(ShownTitle(shown).startsWith(u'{'), 20000);
        seen = ShownTitle(shown);
        // A retransmission would come within the second.
        QTest::qWait(1000);
    }));
    qInfo("The page saw %s", qPrintable(seen));
    for (const QString& frame : frames) {
        QVERIFY2(seen.contains(QStringLiteral("\"%1\":").arg(frame)), qPrintable(seen));
        const QStringList senders = stun[frame].Senders();
        QVERIFY2(senders.isEmpty(), qPrintable(QStringLiteral("%1 sent %2 datagrams to its STUN server from port %3; "
                                                              "the page saw %4")
                                                   .arg(frame)
                                                   .arg(senders.size())
                                                   .arg(senders.join(u' '), seen)));
    }
    QVERIFY2(!relay.Knocked(), qPrintable(QStringLiteral("the relay was reached; the page saw ") + seen));
}

QV_BROWSER_TEST_MAIN(BrowseTest)
#include "tst_browse.moc"
