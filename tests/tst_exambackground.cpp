// The exam window's background picture as the program embeds it: its format, and plain colour wherever a control of
// the window stands, so that labels read without anything drawn behind them.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include "TestSupport.h"

namespace {
const QString kPicture = QStringLiteral(":/art/exam.bmp");
// The window shows the picture 3 px left of and 10 px above its client area.
const QPoint kClientOrigin(3, 10);
}  // namespace

class ExamBackgroundTest : public QObject {
    Q_OBJECT

private slots:
    void isA24BitBitmapOfTheWindowsSize();
    void plainBehindEachControl_data();
    void plainBehindEachControl();
};

void ExamBackgroundTest::isA24BitBitmapOfTheWindowsSize() {
    QFile file(kPicture);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    QVERIFY(header.startsWith("BM"));
    QCOMPARE(int(quint8(header[28])) | int(quint8(header[29])) << 8, 24);
    QCOMPARE(QImage(kPicture).size(), QSize(717, 468));
}

void ExamBackgroundTest::plainBehindEachControl_data() {
    QTest::addColumn<QRect>("client");
    QTest::newRow("lblLeftTime") << QRect(104, 49, 104, 33);
    QTest::newRow("lblJZLX") << QRect(101, 155, 65, 17);
    QTest::newRow("lblSource") << QRect(145, 195, 29, 20);
    QTest::newRow("lblTS") << QRect(24, 224, 193, 57);
    QTest::newRow("counters") << QRect(295, 171, 240, 20);
    QTest::newRow("lblTM") << QRect(264, 208, 417, 65);
    // The options size themselves to their text; this is room for a long one.
    QTest::newRow("options") << QRect(267, 280, 105, 110);
    QTest::newRow("Image1") << QRect(376, 264, 313, 177);
    QTest::newRow("btnNext") << QRect(272, 416, 73, 25);
}

void ExamBackgroundTest::plainBehindEachControl() {
    QFETCH(QRect, client);
    const QImage picture(kPicture);
    const QRect area = client.translated(kClientOrigin);
    const QRgb plain = picture.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (picture.pixel(x, y) != plain) {
                picture.save(QDir::temp().filePath(QStringLiteral("exam-background-actual.png")));
                QFAIL(qPrintable(QStringLiteral("client pixel (%1, %2) is #%3, not #%4")
                                     .arg(x - kClientOrigin.x())
                                     .arg(y - kClientOrigin.y())
                                     .arg(picture.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'))
                                     .arg(plain & 0xffffff, 6, 16, QLatin1Char('0'))));
            }
        }
    }
}

QV_TEST_MAIN(ExamBackgroundTest)
#include "tst_exambackground.moc"
