#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/raster/ItemPainter.h"
#include "skin/raster/NineSlice.h"
#include "skin/raster/Pixels.h"

using NineSlice::Margins;
using SkinFixtures::ImageBytes;
Q_DECLARE_METATYPE(NineSlice::Margins)

namespace {

constexpr QRgb kSentinel = 0xFF070707;  // what the target holds where nothing may be painted

// The master bitmap of the test skins. Each slice's pixels say where they come from, so that a painted
// pixel shows which source pixel reached it:
//   texture  (0,0)-(2,2)    four colours
//   border   (0,4)-(12,10)  two 6×6 state images; pixel (x, y) of image i is (100 i + 10 x, 10 y, 50), its
//                           top-left pixel 0xFF00FF
//   masked   (20,0)-(26,12) image (200,0,0) over a mask row of grey 128, black at its top-left, white at
//                           its top-right
//   glyph    (30,0)-(32,2)  (1,2,3), its top-left pixel 0xFF00FF
QByteArray MasterBitmap() {
    QImage master = SkinFixtures::Filled(40, 24, qRgb(90, 90, 90));
    master.setPixel(0, 0, qRgb(10, 20, 30));
    master.setPixel(1, 0, qRgb(40, 50, 60));
    master.setPixel(0, 1, qRgb(70, 80, 90));
    master.setPixel(1, 1, qRgb(100, 110, 120));
    for (int i = 0; i < 2; ++i) {
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x)
                master.setPixel(i * 6 + x, 4 + y, qRgb(i * 100 + x * 10, y * 10, 50));
        }
        master.setPixel(i * 6, 4, qRgb(255, 0, 255));
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            master.setPixel(20 + x, y, qRgb(200, 0, 0));
            master.setPixel(20 + x, 6 + y, qRgb(128, 128, 128));
        }
    }
    master.setPixel(20, 6, qRgb(0, 0, 0));
    master.setPixel(25, 6, qRgb(255, 255, 255));
    master.setPixel(30, 0, qRgb(255, 0, 255));
    master.setPixel(31, 0, qRgb(1, 2, 3));
    master.setPixel(30, 1, qRgb(1, 2, 3));
    master.setPixel(31, 1, qRgb(1, 2, 3));
    return ImageBytes(master, "BMP");
}

// A skin of the master bitmap above and one section "S" with the given keys ("KEY=VALUE|KEY=VALUE").
QString Options(const QString& keys) {
    QString options = QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[S]\r\n");
    for (const QString& key : keys.split(u'|', Qt::SkipEmptyParts))
        options += key + QStringLiteral("\r\n");
    return options;
}

SkinContent TestSkin(const QString& keys) {
    return SkinFixtures::Load(Options(keys), {{QStringLiteral("MASTER.BMP"), MasterBitmap()}});
}

QImage Target(QSize size = {18, 16}) {
    QImage target(size, QImage::Format_RGB888);
    target.fill(QColor::fromRgb(kSentinel));
    return target;
}

// Compares the probed pixels and checks that nothing outside `area` changed; on a mismatch the picture
// is written out for a look.
QString Mismatches(const QImage& picture, const QRect& area, const QList<QPoint>& points, const QList<uint>& colours,
                   const char* name) {
    QStringList wrong = SkinFixtures::WrongPixels(picture, points, colours);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!area.contains(x, y) && picture.pixel(x, y) != kSentinel)
                wrong << QStringLiteral("outside at (%1,%2) %3")
                             .arg(x)
                             .arg(y)
                             .arg(SkinFixtures::Describe(picture.pixel(x, y)));
        }
    }
    return SkinFixtures::Report(wrong, picture, QStringLiteral("tst_skinpaint-") + QLatin1String(name));
}

ProcessRun SkinTool(const QStringList& arguments) {
    return RunProcess(qEnvironmentVariable("QV_SKINTOOL"), arguments);
}

}  // namespace

class TestSkinPaint : public QObject {
    Q_OBJECT

private slots:
    void tileRepeatsFromTheAreaCorner_data();
    void tileRepeatsFromTheAreaCorner();
    void marginsShrinkToFit_data();
    void marginsShrinkToFit();
    void nineSlicesCoverTargetExactly_data();
    void nineSlicesCoverTargetExactly();
    void paintItem_data();
    void paintItem();
    void transparentItemShowsParentPicture();
    void stretchedPiecesKeepTheirColours();
    void alphaPicturesBlendByTheirAlpha();
    void largePatternTiledFromTheCorner();
    void itemPastTheTargetPaintsNothing();
    void renderPaintsOneItem();
    void renderFailures_data();
    void renderFailures();
};

void TestSkinPaint::marginsShrinkToFit_data() {
    QTest::addColumn<Margins>("margins");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Margins>("expected");
    QTest::newRow("room enough") << Margins{10, 4, 10, 4} << QSize(20, 8) << Margins{10, 4, 10, 4};
    QTest::newRow("10 + 10 in 15 wide") << Margins{10, 0, 10, 0} << QSize(15, 5) << Margins{8, 0, 7, 0};
    QTest::newRow("10 + 10 in 15 high") << Margins{0, 10, 0, 10} << QSize(5, 15) << Margins{0, 8, 0, 7};
    QTest::newRow("10 + 9 in 15") << Margins{10, 0, 9, 0} << QSize(15, 5) << Margins{8, 0, 6, 0};
    QTest::newRow("odd sum in even width") << Margins{11, 0, 10, 0} << QSize(16, 5) << Margins{9, 0, 7, 0};
    QTest::newRow("one side only") << Margins{4, 0, 0, 0} << QSize(1, 5) << Margins{1, 0, 0, 0};
    QTest::newRow("nothing to cover") << Margins{3, 3, 3, 3} << QSize(0, 0) << Margins{0, 0, 0, 0};
}

void TestSkinPaint::marginsShrinkToFit() {
    QFETCH(Margins, margins);
    QFETCH(QSize, size);
    QFETCH(Margins, expected);
    const Margins actual = NineSlice::Shrink(margins, size);
    QVERIFY2(
        actual == expected,
        qPrintable(
            QStringLiteral("got %1,%2,%3,%4").arg(actual.Left).arg(actual.Top).arg(actual.Right).arg(actual.Bottom)));
}

void TestSkinPaint::nineSlicesCoverTargetExactly_data() {
    QTest::addColumn<Margins>("margins");
    QTest::newRow("none") << Margins{0, 0, 0, 0};
    QTest::newRow("even") << Margins{3, 3, 3, 3};
    QTest::newRow("uneven") << Margins{1, 2, 3, 4};
    QTest::newRow("wide") << Margins{10, 10, 10, 10};
    QTest::newRow("odd sums") << Margins{11, 7, 10, 0};
}

// Every size from empty to 30 × 30, at an offset: each pixel of the target lies in exactly one piece.
void TestSkinPaint::nineSlicesCoverTargetExactly() {
    QFETCH(Margins, margins);
    for (int w = 0; w <= 30; ++w) {
        for (int h = 0; h <= 30; ++h) {
            const QRect target(5, 7, w, h);
            const Margins fitted = NineSlice::Shrink(margins, target.size());
            QVERIFY(fitted.Left >= 0 && fitted.Right >= 0 && fitted.Top >= 0 && fitted.Bottom >= 0);
            std::vector<int> hits(static_cast<std::size_t>(50 * 50), 0);
            for (const QRect& piece : NineSlice::Slice(target, fitted)) {
                if (piece.isEmpty())
                    continue;
                QVERIFY2(target.contains(piece), qPrintable(QStringLiteral("%1 x %2").arg(w).arg(h)));
                for (int y = piece.top(); y <= piece.bottom(); ++y) {
                    for (int x = piece.left(); x <= piece.right(); ++x)
                        ++hits[static_cast<std::size_t>(y) * 50 + static_cast<std::size_t>(x)];
                }
            }
            for (int y = target.top(); y <= target.bottom(); ++y) {
                for (int x = target.left(); x <= target.right(); ++x) {
                    QVERIFY2(hits[static_cast<std::size_t>(y * 50 + x)] == 1,
                             qPrintable(QStringLiteral("%1 x %2 at %3,%4").arg(w).arg(h).arg(x).arg(y)));
                }
            }
        }
    }
}

void TestSkinPaint::paintItem_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("state");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("parent");  // the background's plain colour, red in the lowest byte
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<uint>>("colours");

    const QRect area(2, 3, 12, 10);  // corners (2,3) and (13,12)
    const int green = 0x00FF00, none = 0xFF00FF;
    const QString gradient = QStringLiteral("GRADIENTPERCENT=100|GRADIENTDATA=");
    const QString border = QStringLiteral("COLOR=0|BORDERSMASK=#(0,4,12,10)(2,0,2,%1)");

    QTest::newRow("plain colour") << "COLOR=1193046" << 0 << area << green << QList<QPoint>{{2, 3}, {13, 12}, {8, 8}}
                                  << QList<uint>{qRgb(86, 52, 18), qRgb(86, 52, 18), qRgb(86, 52, 18)};
    QTest::newRow("hot colour") << "COLOR=0|HOTCOLOR=255" << 1 << area << green << QList<QPoint>{{2, 3}}
                                << QList<uint>{qRgb(255, 0, 0)};
    QTest::newRow("fully transparent") << "COLOR=255|TRANSPARENCY=100" << 0 << area << green
                                       << QList<QPoint>{{2, 3}, {13, 12}}
                                       << QList<uint>{qRgb(0, 255, 0), qRgb(0, 255, 0)};
    // k = 40 × 255 div 100 = 102: (parent × 102 + own × 153 + 127) div 256.
    QTest::newRow("40 % transparent") << "COLOR=16396800|TRANSPARENCY=40" << 0 << area << 25800
                                      << QList<QPoint>{{2, 3}, {13, 12}}
                                      << QList<uint>{qRgb(80, 70, 149), qRgb(80, 70, 149)};
    QTest::newRow("hot transparency") << "COLOR=0|HOTCOLOR=16396800|HOTTRANSPARENCY=40" << 2 << area << 25800
                                      << QList<QPoint>{{2, 3}} << QList<uint>{qRgb(80, 70, 149)};
    QTest::newRow("transparent without parent colour")
        << "COLOR=255|TRANSPARENCY=40" << 0 << area << none << QList<QPoint>{{2, 3}} << QList<uint>{qRgb(255, 0, 0)};
    // Rows 0 to 9 from white to black: row r is 255 − 255 r div 9.
    QTest::newRow("vertical gradient") << gradient + "16777215;0;100;0;0" << 0 << area << green
                                       << QList<QPoint>{{2, 3}, {13, 6}, {7, 12}}
                                       << QList<uint>{qRgb(255, 255, 255), qRgb(170, 170, 170), qRgb(0, 0, 0)};
    QTest::newRow("horizontal gradient") << gradient + "16777215;0;100;1;0" << 0 << area << green
                                         << QList<QPoint>{{2, 12}, {6, 8}, {13, 3}}
                                         << QList<uint>{qRgb(255, 255, 255), qRgb(163, 163, 163), qRgb(0, 0, 0)};
    QTest::newRow("two bands") << gradient + "255;65280;50;0;0;16711680;0;50;0;0" << 0 << area << green
                               << QList<QPoint>{{2, 3}, {2, 7}, {2, 8}, {2, 12}}
                               << QList<uint>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    // old × 50 % + red × 50 %, rounded.
    QTest::newRow("half gradient, half colour")
        << "COLOR=255|GRADIENTPERCENT=50|GRADIENTDATA=16777215;0;100;0;0" << 0 << area << green
        << QList<QPoint>{{2, 3}, {2, 12}} << QList<uint>{qRgb(255, 128, 128), qRgb(128, 0, 0)};
    QTest::newRow("four triangles") << gradient +
                                           "255;0;0;2;0;16777215;0;0;0;0;65280;0;0;0;0;16711680;0;0;0;0;0;0;0;0;0"
                                    << 0 << area << green << QList<QPoint>{{2, 3}, {8, 8}, {13, 3}, {13, 12}, {2, 12}}
                                    << QList<uint>{qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(0, 255, 0),
                                                   qRgb(0, 0, 255), qRgb(0, 0, 0)};
    QTest::newRow("four triangles, missing corners repeat")
        << gradient + "255;0;0;2;0;16777215;0;0;0;0;65280;0;0;0;0" << 0 << area << green
        << QList<QPoint>{{13, 12}, {2, 12}} << QList<uint>{qRgb(0, 255, 0), qRgb(0, 255, 0)};
    QTest::newRow("texture tiled") << "IMAGEPERCENT=100|PATTERN=~0000,0000,0002,0002,00" << 0 << area << green
                                   << QList<QPoint>{{2, 3}, {5, 3}, {3, 4}, {12, 12}}
                                   << QList<uint>{qRgb(10, 20, 30), qRgb(40, 50, 60), qRgb(100, 110, 120),
                                                  qRgb(70, 80, 90)};
    QTest::newRow("hot texture")
        << "HOTIMAGEPERCENT=100|PATTERN=~0000,0000,0002,0002,00|HOTPATTERN=~0000,0000,0002,0002,00" << 1 << area
        << green << QList<QPoint>{{3, 3}} << QList<uint>{qRgb(40, 50, 60)};
    // 60 % texture, 40 % white, rounded.
    QTest::newRow("texture at 60 % over white")
        << "COLOR=16777215|IMAGEPERCENT=60|PATTERN=~0000,0000,0002,0002,00" << 0 << area << green
        << QList<QPoint>{{2, 3}} << QList<uint>{qRgb(108, 114, 120)};
    // k = 50 × 256 div 100 = 128: (texture × 128 + black × 127 + 127) div 256.
    QTest::newRow("gradient over texture")
        << "IMAGEPERCENT=50|PATTERN=~0000,0000,0002,0002,00|GRADIENTPERCENT=50|GRADIENTDATA=0;0;100;0;0" << 0 << area
        << green << QList<QPoint>{{2, 3}} << QList<uint>{qRgb(5, 10, 15)};
    QTest::newRow("texture band along the top")
        << "COLOR=255|IMAGEPERCENT=100|PATTERN=~0000,0000,0002,0002,02" << 0 << area << green
        << QList<QPoint>{{2, 4}, {2, 5}} << QList<uint>{qRgb(70, 80, 90), qRgb(255, 0, 0)};
    const QString band = QStringLiteral("COLOR=255|IMAGEPERCENT=100|PATTERN=~0000,0000,0002,0002,%1");
    QTest::newRow("texture band down the left")
        << band.arg(QLatin1String("03")) << 0 << area << green << QList<QPoint>{{3, 12}, {4, 3}}
        << QList<uint>{qRgb(100, 110, 120), qRgb(255, 0, 0)};
    QTest::newRow("texture band along the bottom")
        << band.arg(QLatin1String("06")) << 0 << area << green << QList<QPoint>{{2, 11}, {2, 12}, {2, 10}}
        << QList<uint>{qRgb(10, 20, 30), qRgb(70, 80, 90), qRgb(255, 0, 0)};
    QTest::newRow("texture band down the right")
        << band.arg(QLatin1String("07")) << 0 << area << green << QList<QPoint>{{12, 3}, {13, 4}, {11, 3}}
        << QList<uint>{qRgb(10, 20, 30), qRgb(100, 110, 120), qRgb(255, 0, 0)};
    // Nine rows hold four whole tiles; the ninth row is left to the colour.
    QTest::newRow("whole texture rows only")
        << band.arg(QLatin1String("10")) << 0 << QRect(2, 3, 12, 9) << green << QList<QPoint>{{13, 10}, {2, 11}}
        << QList<uint>{qRgb(100, 110, 120), qRgb(255, 0, 0)};
    // One 6-pixel row of the masked slice fits in 10 rows; below it the blue colour stays.
    const QString masked = QStringLiteral("COLOR=13107200|HOTCOLOR=13107200|PATTERN=~0020,0000,0026,0012,10,1");
    QTest::newRow("masked texture over the fill")
        << masked << 0 << area << green << QList<QPoint>{{2, 3}, {3, 3}, {7, 3}, {8, 3}, {2, 9}}
        << QList<uint>{qRgb(200, 0, 0), qRgb(100, 0, 100), qRgb(1, 0, 199), qRgb(200, 0, 0), qRgb(0, 0, 200)};
    QTest::newRow("masked texture not when hot")
        << masked << 1 << area << green << QList<QPoint>{{2, 3}} << QList<uint>{qRgb(0, 0, 200)};

    // Image 0 of the border over a black fill; margins 2, edges tiled in 2-pixel pieces.
    QTest::newRow("border corners, edges and centre")
        << border.arg(4) << 0 << area << green
        << QList<QPoint>{{2, 3}, {3, 3}, {3, 4}, {4, 3}, {6, 3}, {7, 3}, {12, 3}, {13, 12}, {2, 5}, {2, 6}, {6, 6}}
        << QList<uint>{qRgb(0, 0, 0),   qRgb(10, 0, 50), qRgb(10, 10, 50), qRgb(20, 0, 50),
                       qRgb(20, 0, 50), qRgb(30, 0, 50), qRgb(40, 0, 50),  qRgb(50, 50, 50),
                       qRgb(0, 20, 50), qRgb(0, 30, 50), qRgb(20, 30, 50)};
    // State 5 takes the last of two images, over the default hot colour white.
    QTest::newRow("state past the images") << border.arg(4) << 5 << area << green << QList<QPoint>{{2, 3}, {3, 3}}
                                           << QList<uint>{qRgb(255, 255, 255), qRgb(110, 0, 50)};
    QTest::newRow("centre left to the fill")
        << border.arg(0) << 0 << area << green << QList<QPoint>{{6, 6}} << QList<uint>{qRgb(0, 0, 0)};
    QTest::newRow("border hidden in the normal state")
        << border.arg(6) << 0 << area << green << QList<QPoint>{{3, 3}} << QList<uint>{qRgb(0, 0, 0)};
    QTest::newRow("border shown when hot")
        << border.arg(6) << 1 << area << green << QList<QPoint>{{3, 3}} << QList<uint>{qRgb(110, 0, 50)};
    // 3 pixels for margins 2 + 2: the left keeps 2, the right 1 (its outermost column).
    QTest::newRow("border in a narrow rectangle")
        << border.arg(4) << 0 << QRect(2, 3, 3, 10) << green << QList<QPoint>{{3, 3}, {4, 3}, {4, 12}}
        << QList<uint>{qRgb(10, 0, 50), qRgb(50, 0, 50), qRgb(50, 50, 50)};
    // image + (beneath − image) × mask div 256 over a blue fill.
    QTest::newRow("border through its mask row")
        << "COLOR=13107200|BORDERSMASK=#(20,0,26,12)(1,1,2,4)" << 0 << area << green
        << QList<QPoint>{{2, 3}, {3, 3}, {13, 3}, {8, 8}}
        << QList<uint>{qRgb(200, 0, 0), qRgb(100, 0, 100), qRgb(1, 0, 199), qRgb(100, 0, 100)};
    QTest::newRow("corner ornament") << "COLOR=0|IMGBTMRIGHT=@0030,0000,0032,0002,1,0" << 0 << area << green
                                     << QList<QPoint>{{12, 11}, {13, 11}, {13, 12}, {11, 12}}
                                     << QList<uint>{qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(1, 2, 3), qRgb(0, 0, 0)};
}

void TestSkinPaint::paintItem() {
    QFETCH(QString, keys);
    QFETCH(int, state);
    QFETCH(QRect, area);
    QFETCH(int, parent);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<uint>, colours);
    const SkinContent skin = TestSkin(keys);
    BackgroundInfo background;
    background.PlainColor = parent;
    QImage target = Target();
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("S")), background, true, state, target, {0, 0},
                           area);
    const QString wrong = Mismatches(target, area, points, colours, QTest::currentDataTag());
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

// A fully transparent panel inside a panel with a gradient shows exactly the outer panel's pixels at its
// place, and a transparent corner of a border shows them too.
void TestSkinPaint::transparentItemShowsParentPicture() {
    const QString more = QStringLiteral(
        "[HALF]\r\nCOLOR=16396800\r\nTRANSPARENCY=40\r\n"
        "[INNER]\r\nTRANSPARENCY=100\r\n"
        "[FRAMED]\r\nCOLOR=0\r\nBORDERSMASK=#(0,4,12,10)(2,0,2,4)\r\n");
    const SkinContent skin =
        SkinFixtures::Load(Options(QStringLiteral("GRADIENTPERCENT=100|GRADIENTDATA=255;16711680;100;1;0")) + more,
                           {{QStringLiteral("MASTER.BMP"), MasterBitmap()}});
    BackgroundInfo outerBackground;
    QImage outer(30, 30, QImage::Format_RGB888);
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("S")), outerBackground, true, 0, outer, {0, 0},
                           outer.rect());

    BackgroundInfo background;
    background.ParentPicture = outer;
    background.X = 5;
    background.Y = 7;
    background.Ready = true;
    QImage inner = Target({10, 10});
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("INNER")), background, true, 0, inner, {0, 0},
                           inner.rect());
    for (int y = 0; y < inner.height(); ++y) {
        for (int x = 0; x < inner.width(); ++x)
            QCOMPARE(inner.pixel(x, y), outer.pixel(5 + x, 7 + y));
    }

    // 40 % of the parent (k = 102) at the offset's place over the own colour (0, 50, 250).
    QImage half = Target({10, 10});
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("HALF")), background, true, 0, half, {2, 1},
                           half.rect());
    const auto mix = [](int parent, int own) { return (parent * 102 + own * 153 + 127) / 256; };
    for (const QPoint& p : {QPoint(0, 0), QPoint(9, 0), QPoint(4, 9)}) {
        const QRgb parent = outer.pixel(5 + 2 + p.x(), 7 + 1 + p.y());
        QCOMPARE(half.pixel(p), qRgb(mix(qRed(parent), 0), mix(qGreen(parent), 50), mix(qBlue(parent), 250)));
    }

    QImage framed = Target({10, 10});
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("FRAMED")), background, true, 0, framed, {0, 0},
                           framed.rect());
    QCOMPARE(framed.pixel(0, 0), outer.pixel(5, 7));
    QCOMPARE(framed.pixel(1, 0), qRgb(10, 0, 50));
}

// Smooth stretching is the platform's own, so only its bounds are fixed: a stretched texture stays within
// its colours, and a stretched border copies its corners and keeps each edge within its strip's colours.
void TestSkinPaint::stretchedPiecesKeepTheirColours() {
    const QRect area(2, 3, 12, 10);
    const auto within = [](QRgb c, QRgb low, QRgb high) {
        return qRed(c) >= qRed(low) && qRed(c) <= qRed(high) && qGreen(c) >= qGreen(low) && qGreen(c) <= qGreen(high) &&
               qBlue(c) >= qBlue(low) && qBlue(c) <= qBlue(high);
    };
    const SkinContent textured = TestSkin(QStringLiteral("IMAGEPERCENT=100|PATTERN=~0000,0000,0002,0002,01"));
    QImage target = Target();
    ItemPainter::PaintItem(textured, SectionLook::For(textured, QStringLiteral("S")), {}, true, 0, target, {0, 0},
                           area);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            QVERIFY(within(target.pixel(x, y), qRgb(10, 20, 30), qRgb(100, 110, 120)));
    }
    QVERIFY(qRed(target.pixel(2, 3)) < 55 && qRed(target.pixel(13, 12)) > 55);

    const SkinContent bordered = TestSkin(QStringLiteral("COLOR=0|BORDERSMASK=#(0,4,12,10)(2,0,2,5)"));
    target = Target();
    ItemPainter::PaintItem(bordered, SectionLook::For(bordered, QStringLiteral("S")), {}, true, 0, target, {0, 0},
                           area);
    QCOMPARE(target.pixel(3, 3), qRgb(10, 0, 50));
    QCOMPARE(target.pixel(13, 12), qRgb(50, 50, 50));
    for (int x = 4; x <= 11; ++x) {
        QVERIFY(within(target.pixel(x, 3), qRgb(20, 0, 50), qRgb(30, 10, 50)));
        QVERIFY(within(target.pixel(x, 12), qRgb(20, 40, 50), qRgb(30, 50, 50)));
    }
    QVERIFY(within(target.pixel(8, 8), qRgb(20, 20, 50), qRgb(30, 30, 50)));
}

// A 32-bit picture is laid over what lies beneath by its alpha: clear pixels keep the fill, half-clear
// ones mix with it, opaque ones cover it.
void TestSkinPaint::alphaPicturesBlendByTheirAlpha() {
    QImage edge(6, 6, QImage::Format_ARGB32);
    edge.fill(qRgba(0, 0, 0, 0));
    edge.setPixel(1, 0, qRgba(255, 0, 0, 128));
    edge.setPixel(2, 0, qRgba(0, 0, 255, 255));
    const SkinContent skin = SkinFixtures::Load(
        Options(QStringLiteral("COLOR=65280|BORDERSMASK=!EDGE.PNG!1!0!0!2!2!2!2")),
        {{QStringLiteral("MASTER.BMP"), MasterBitmap()}, {QStringLiteral("EDGE.PNG"), ImageBytes(edge, "PNG")}});
    const QRect area(2, 3, 6, 6);
    QImage target = Target();
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("S")), {}, true, 0, target, {0, 0}, area);
    // (picture × alpha + fill × (255 − alpha) + 127) div 255.
    const QString wrong =
        Mismatches(target, area, {{2, 3}, {3, 3}, {4, 3}, {5, 6}, {7, 8}},
                   {qRgb(0, 255, 0), qRgb(128, 127, 0), qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(0, 255, 0)}, "alpha");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestSkinPaint::largePatternTiledFromTheCorner() {
    QImage photo(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    }
    const SkinContent skin = SkinFixtures::Load(
        Options(QStringLiteral("IMAGEPERCENT=100|PATTERN=BIG.JPG")),
        {{QStringLiteral("MASTER.BMP"), MasterBitmap()}, {QStringLiteral("BIG.JPG"), ImageBytes(photo, "JPG")}});
    QCOMPARE(skin.Patterns.size(), std::size_t(1));
    const QImage& loaded = skin.Patterns[0].Photo;
    const QRect area(2, 3, 12, 10);
    QImage target = Target();
    ItemPainter::PaintItem(skin, SectionLook::For(skin, QStringLiteral("S")), {}, true, 0, target, {0, 0}, area);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            QCOMPARE(target.pixel(x, y), loaded.pixel(x - area.left(), y - area.top()) | 0xFF000000);
    }
}

void TestSkinPaint::itemPastTheTargetPaintsNothing() {
    const SkinContent skin = TestSkin(QStringLiteral("COLOR=255"));
    const SectionLook look = SectionLook::For(skin, QStringLiteral("S"));
    for (const QRect& area : {QRect(10, 10, 10, 10), QRect(-1, 0, 5, 5), QRect(0, 0, 19, 16)}) {
        QImage target = Target();
        ItemPainter::PaintItem(skin, look, BackgroundInfo{}, true, 0, target, {0, 0}, area);
        QCOMPARE(target, Target());
    }
}

// The whole picture is the item: a fully transparent bordered section shows the parent colour (written
// red first) in the border's transparent corner and the border image elsewhere.
void TestSkinPaint::renderPaintsOneItem() {
    QTemporaryDir dir;
    const QString skin = dir.filePath(QStringLiteral("t.asz"));
    QFile file(skin);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(SkinFixtures::Package(
        Options(QStringLiteral("TRANSPARENCY=100|HOTTRANSPARENCY=100|BORDERSMASK=#(0,4,12,10)(2,0,2,4)")),
        {{QStringLiteral("MASTER.BMP"), MasterBitmap()}}));
    file.close();
    const QString out = dir.filePath(QStringLiteral("s.png"));
    const ProcessRun run = SkinTool(
        {QStringLiteral("render"), QStringLiteral("--skin"), skin, QStringLiteral("--section"), QStringLiteral("s"),
         QStringLiteral("--state"), QStringLiteral("1"), QStringLiteral("--size"), QStringLiteral("20x16"),
         QStringLiteral("--parent"), QStringLiteral("102030"), QStringLiteral("--out"), out});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage picture(out);
    QCOMPARE(picture.size(), QSize(20, 16));
    QCOMPARE(picture.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
    QCOMPARE(picture.pixel(1, 0), qRgb(110, 0, 50));
    QCOMPARE(picture.pixel(19, 15), qRgb(150, 50, 50));
    QCOMPARE(picture.pixel(10, 8), qRgb(120, 20, 50));
}

void TestSkinPaint::renderFailures_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown section") << QStringList{"--section", "NOPE"} << "NOPE";
    QTest::newRow("bad size") << QStringList{"--section", "S", "--size", "20*16"} << "20*16";
    QTest::newRow("empty size") << QStringList{"--section", "S", "--size", "0x16"} << "0x16";
    QTest::newRow("bad colour") << QStringList{"--section", "S", "--parent", "12345G"} << "12345G";
    QTest::newRow("short colour") << QStringList{"--section", "S", "--parent", "FFF"} << "FFF";
    QTest::newRow("bad state") << QStringList{"--section", "S", "--state", "-1"} << "-1";
    QTest::newRow("missing section") << QStringList{} << "--section";
    QTest::newRow("unknown option") << QStringList{"--section", "S", "--colour", "FFFFFF"} << "--colour";
    QTest::newRow("unloadable skin") << QStringList{"--section", "S", "--skin", "/nonexistent/x.asz"} << "x.asz";
}

void TestSkinPaint::renderFailures() {
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString skin = dir.filePath(QStringLiteral("t.asz"));
    QFile file(skin);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        SkinFixtures::Package(Options(QStringLiteral("COLOR=255")), {{QStringLiteral("MASTER.BMP"), MasterBitmap()}}));
    file.close();
    const QString out = dir.filePath(QStringLiteral("s.png"));
    QStringList arguments{QStringLiteral("render"), QStringLiteral("--out"), out};
    if (!options.contains(QStringLiteral("--skin")))
        arguments << QStringLiteral("--skin") << skin;
    const ProcessRun run = SkinTool(arguments + options);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(out));
}

void TestSkinPaint::tileRepeatsFromTheAreaCorner_data() {
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside, whole tiles") << QRect(1, 1, 6, 4);
    QTest::newRow("inside, cut tiles") << QRect(2, 1, 7, 5);
    QTest::newRow("past the top-left corner") << QRect(-4, -3, 9, 8);
    QTest::newRow("past the bottom-right corner") << QRect(5, 4, 9, 9);
}

// Every pixel of the area shows the source pixel its distance from the area's corner gives, however the
// picture cuts the area; nothing outside the area changes.
void TestSkinPaint::tileRepeatsFromTheAreaCorner() {
    QFETCH(QRect, area);
    QImage source(3, 2, QImage::Format_RGB888);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    }
    QImage target = SkinFixtures::Filled(10, 7, qRgb(1, 2, 3), QImage::Format_RGB888);
    Pixels::Tile(target, area, source);
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const QRgb wanted =
                area.contains(x, y) ? source.pixel((x - area.left()) % 3, (y - area.top()) % 2) : qRgb(1, 2, 3);
            QCOMPARE(target.pixel(x, y), wanted);
        }
    }
}

QV_TEST_MAIN(TestSkinPaint)
#include "tst_skinpaint.moc"
