// The effect label: its soft shadow and the room it keeps for it.
#include <QTest>

#include "TestSupport.h"
#include "platform/Fonts.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/raster/GlowMap.h"

class LabelFxTest : public QObject {
    Q_OBJECT

private slots:
    void blurAveragesNeighboursInPlace();
    void blurPassesSpreadTheGlow();
    void autoSizeKeepsRoomForTheShadow_data();
    void autoSizeKeepsRoomForTheShadow();
    void customKindDrawsInItsColour();
    void disabledLabelIsEmbossed();
};

// One lit pixel in the middle of a 3 × 3 picture, one pass: entries already replaced in the pass feed
// the ones after them.
void LabelFxTest::blurAveragesNeighboursInPlace() {
    QImage silhouette(3, 3, QImage::Format_RGB32);
    silhouette.fill(Qt::black);
    silhouette.setPixel(1, 1, qRgb(255, 255, 255));
    GlowMap map;
    map.Blur(silhouette, 1);
    const int expected[3][3] = {{0, 63, 15}, {63, 31, 11}, {15, 11, 5}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            QCOMPARE(int(map.At(x, y)), expected[y][x]);
    }
}

void LabelFxTest::blurPassesSpreadTheGlow() {
    QImage silhouette(9, 9, QImage::Format_RGB32);
    silhouette.fill(Qt::black);
    silhouette.setPixel(4, 4, qRgb(0, 0, 1));  // only the blue byte counts
    GlowMap once;
    once.Blur(silhouette, 1);
    GlowMap four;
    four.Blur(silhouette, 4);
    QCOMPARE(int(once.At(4, 2)), 0);
    QVERIFY(four.At(4, 2) > 0);
    QCOMPARE(int(four.At(0, 0)), 0);
}

void LabelFxTest::autoSizeKeepsRoomForTheShadow_data() {
    QTest::addColumn<int>("blur");
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("room");
    QTest::newRow("default shadow") << 4 << 1 << 8;  // reaches 3 before and 5 after the text
    QTest::newRow("no blur") << 0 << 1 << 0;
    QTest::newRow("far shadow") << 2 << 5 << 7;
}

void LabelFxTest::autoSizeKeepsRoomForTheShadow() {
    QFETCH(int, blur);
    QFETCH(int, distance);
    QWidget parent;
    TsLabelFX label(QStringLiteral("驾驶员培训中心"), &parent);
    label.setFont(MakeFont(QStringLiteral("黑体"), 19));
    label.move(384, 320);
    TsShadow shadow;
    shadow.BlurCount = blur;
    shadow.Distance = distance;
    label.SetShadow(shadow);
    const QRect text = label.fontMetrics().boundingRect(QRect(), 0, QStringLiteral("驾驶员培训中心"));
    QTEST(label.width() - text.width(), "room");
    QTEST(label.height() - text.height(), "room");
    QCOMPARE(label.pos(), QPoint(384, 320));
}

void LabelFxTest::customKindDrawsInItsColour() {
    QWidget parent;
    parent.resize(200, 60);
    parent.setStyleSheet(QStringLiteral("background: rgb(44, 84, 130)"));
    TsLabelFX label(QStringLiteral("驾驶员"), &parent);
    label.setFont(MakeFont(QStringLiteral("黑体"), 19));
    label.SetColor(QColor(36, 44, 53));
    label.SetKind({TsKind::ktCustom, QColor(255, 255, 0)});
    const QImage picture = parent.grab().toImage();
    bool yellow = false;
    bool fontColour = false;
    for (int y = 0; y < label.height(); ++y) {
        for (int x = 0; x < label.width(); ++x) {
            yellow |= picture.pixelColor(x, y) == QColor(255, 255, 0);
            fontColour |= picture.pixelColor(x, y) == QColor(36, 44, 53);
        }
    }
    QVERIFY(yellow);
    QVERIFY(!fontColour);
}

// Disabled: a light copy one pixel right and down lies under the text, which is drawn in the shadow colour.
void LabelFxTest::disabledLabelIsEmbossed() {
    const QColor ground(128, 128, 128), light(250, 250, 250), shadow(60, 60, 60), selection(0, 0, 255);
    QWidget parent;
    parent.resize(200, 60);
    QPalette palette;
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::Light, light);
    palette.setColor(QPalette::Dark, shadow);
    palette.setColor(QPalette::Highlight, selection);
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    TsLabelFX label(QStringLiteral("驾驶员"), &parent);
    QFont font = MakeFont(QStringLiteral("黑体"), 19);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    label.setEnabled(false);
    const QImage picture = parent.grab().toImage();
    int text = 0, lightBelowText = 0, other = 0;
    for (int y = 0; y + 1 < label.height(); ++y) {
        for (int x = 0; x + 1 < label.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel == shadow) {
                ++text;
                const QColor below = picture.pixelColor(x + 1, y + 1);
                lightBelowText += below == light ? 1 : 0;
            } else if (pixel != light && pixel != ground) {
                ++other;
            }
        }
    }
    QVERIFY(text > 0);
    QVERIFY2(lightBelowText > 0, "no light copy shows below and right of the text");
    QCOMPARE(other, 0);
}

QV_TEST_MAIN(LabelFxTest)
#include "tst_labelfx.moc"
