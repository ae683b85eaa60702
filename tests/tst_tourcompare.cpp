// Comparing two screenshot tours: which windows look different, and where.
#include <QTemporaryDir>
#include <QTest>

#include "TourCompare.h"

class TourCompareTest : public QObject {
    Q_OBJECT

private slots:
    void differencesAreFoundAndPlaced_data();
    void differencesAreFoundAndPlaced();
};

namespace {

QImage Plain(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

// Each row changes the second tour's "frmMain.png" (or leaves it out) against a plain 40 × 30 first.
void TourCompareTest::differencesAreFoundAndPlaced_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<QRect>("bounds");
    enum { Same, TwoPixels, Resized, Left, Added };
    QTest::newRow("alike") << int(Same) << QString() << 0 << QRect();
    QTest::newRow("two pixels") << int(TwoPixels) << QStringLiteral("pixels") << 2 << QRect(3, 4, 8, 2);
    QTest::newRow("other size") << int(Resized) << QStringLiteral("size") << 0 << QRect();
    QTest::newRow("missing after") << int(Left) << QStringLiteral("missing") << 0 << QRect();
    QTest::newRow("new after") << int(Added) << QStringLiteral("new") << 0 << QRect();
}

void TourCompareTest::differencesAreFoundAndPlaced() {
    QFETCH(int, change);
    QFETCH(QString, kind);
    QFETCH(int, pixels);
    QFETCH(QRect, bounds);
    QTemporaryDir before, after;
    const QString name = QStringLiteral("/frmMain.png");
    QImage second = Plain(QSize(40, 30));
    if (change == 1) {
        second.setPixel(3, 4, qRgb(0, 0, 0));
        second.setPixel(10, 5, qRgb(255, 255, 254));
    }
    if (change == 2)
        second = Plain(QSize(41, 30));
    if (change != 4)
        QVERIFY(Plain(QSize(40, 30)).save(before.path() + name));
    if (change != 3)
        QVERIFY(second.save(after.path() + name));
    // A picture alike in both sits beside the one changed and is never reported.
    QVERIFY(Plain(QSize(5, 5)).save(before.path() + QStringLiteral("/frmTest.png")));
    QVERIFY(Plain(QSize(5, 5)).save(after.path() + QStringLiteral("/frmTest.png")));

    const std::vector<TourDifference> differences = CompareTours(before.path(), after.path());
    if (kind.isEmpty()) {
        QVERIFY(differences.empty());
        return;
    }
    QCOMPARE(differences.size(), std::size_t(1));
    QCOMPARE(differences[0].Picture, QStringLiteral("frmMain.png"));
    QCOMPARE(differences[0].Kind, kind);
    QCOMPARE(differences[0].Pixels, pixels);
    QCOMPARE(differences[0].Bounds, bounds);
}

QTEST_GUILESS_MAIN(TourCompareTest)
#include "tst_tourcompare.moc"
