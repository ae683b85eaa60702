#include <QDir>
#include <QFontMetrics>
#include <QMap>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/frame/FramePainter.h"
#include "skin/raster/ItemPainter.h"
#include "skin/raster/MaskPainter.h"
#include "skin/raster/TextPainter.h"

namespace {

const QString kForm = QStringLiteral("FORM");
const QSize kWindow(80, 50);
const QRgb kKey = qRgb(255, 0, 255);

// A skin colour (red in the lowest byte) as the options text writes it.
QString Colour(int r, int g, int b) {
    return QString::number(r | (g << 8) | (b << 16));
}

// The master bitmap, grey apart from:
//   close glyph  (0,0)-(12,3)   three 4×3 images; pixel (x, y) of image i is (10 + 50 i + x, 20 + y, 30), its
//                               top-left pixel 0xFF00FF
//   min glyph    (0,4)-(12,10)  three 4×3 images (200, 100 + 20 i, 0) over a mask row whose column x is grey 60 x
//   title bar    (12,0)-(18,3)  two 3×3 images, (0,0,160) and (0,0,220)
//   form border  (20,0)-(23,3)  one 3×3 image (50,60,70), its top-left pixel 0xFF00FF
QByteArray MasterBitmap() {
    QImage master = SkinFixtures::Filled(30, 12, qRgb(90, 90, 90));
    for (int i = 0; i < 3; ++i) {
        for (int x = 0; x < 4; ++x) {
            for (int y = 0; y < 3; ++y) {
                master.setPixel(i * 4 + x, y, qRgb(10 + 50 * i + x, 20 + y, 30));
                master.setPixel(i * 4 + x, 4 + y, qRgb(200, 100 + 20 * i, 0));
                master.setPixel(i * 4 + x, 7 + y, qRgb(60 * x, 60 * x, 60 * x));
            }
        }
        master.setPixel(i * 4, 0, kKey);
    }
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            master.setPixel(12 + x, y, qRgb(0, 0, 160));
            master.setPixel(15 + x, y, qRgb(0, 0, 220));
            master.setPixel(20 + x, y, qRgb(50, 60, 70));
        }
    }
    master.setPixel(20, 0, kKey);
    return SkinFixtures::ImageBytes(master, "BMP");
}

// A glyph with a picture of its own: three 2×2 images of (9,9,9), the top-left pixel 0xFF00FF.
QByteArray OwnGlyph() {
    QImage glyph = SkinFixtures::Filled(6, 2, qRgb(9, 9, 9));
    glyph.setPixel(0, 0, kKey);
    return SkinFixtures::ImageBytes(glyph, "BMP");
}

// The form is (0,40,0) when inactive and (0,90,0) when active, and not opaque (a gradient of one colour);
// its title is (10,10,100) inactive and (10,10,200) active.
QMap<QString, QString> DefaultKeys() {
    const QString formColour = Colour(0, 40, 0);
    return {
        {QStringLiteral("BIRIGHT"), QStringLiteral("2")},
        {QStringLiteral("BISPACE"), QStringLiteral("1")},
        {QStringLiteral("BILEFT"), QStringLiteral("2")},
        {QStringLiteral("COLOR"), Colour(200, 200, 200)},
        {QStringLiteral("BICONCLOSE"), QStringLiteral("@0000,0000,0012,0003,3,0")},
        {QStringLiteral("BICONMIN"), QStringLiteral("@0000,0004,0012,0010,3,1")},
        {QStringLiteral("OWNGLYPH"), QStringLiteral("!GLYPH.BMP!3!0!2")},
        {QStringLiteral("FORM.COLOR"), formColour},
        {QStringLiteral("FORM.GRADIENTPERCENT"), QStringLiteral("100")},
        {QStringLiteral("FORM.GRADIENTDATA"), formColour + u';' + formColour + QStringLiteral(";100;0;0")},
        {QStringLiteral("FORM.HOTCOLOR"), Colour(0, 90, 0)},
        {QStringLiteral("FORM.TITLEBAR"), QStringLiteral("#(12,0,18,3)(2,0,1,4)")},
        {QStringLiteral("FORMTITLE.COLOR"), Colour(10, 10, 100)},
        {QStringLiteral("FORMTITLE.HOTCOLOR"), Colour(10, 10, 200)},
        {QStringLiteral("FORMTITLE.FONTCOLOR"), Colour(255, 255, 0)},
        {QStringLiteral("FORMTITLE.TCLEFT"), Colour(1, 2, 3)},
        {QStringLiteral("FORMTITLE.TCBOTTOM"), Colour(4, 5, 6)},
        {QStringLiteral("FORMTITLE.HOTFONTCOLOR"), Colour(0, 255, 255)},
        {QStringLiteral("FORMTITLE.HOTTCLEFT"), Colour(7, 8, 9)},
        {QStringLiteral("FORMTITLE.HOTTCBOTTOM"), Colour(10, 11, 12)},
    };
}

// A plain form (100,0,0), hot (150,0,0), with a one-pixel border (50,60,70), under a see-through title.
const QString kOpaqueForm = QStringLiteral(
    "FORM.GRADIENTPERCENT=|FORM.GRADIENTDATA=|FORM.TITLEBAR=|FORM.COLOR=100|FORM.HOTCOLOR=150|"
    "FORM.BORDERSMASK=#(20,0,23,3)(1,0,1,4)|FORMTITLE.TRANSPARENCY=100|FORMTITLE.HOTTRANSPARENCY=100");

// The test skin with changes "KEY=VALUE|SECTION.KEY=VALUE"; a key without a section belongs to
// "GLOBALINFO", and an empty value takes the key away.
SkinContent Skin(const QString& changes = {}) {
    return SkinFixtures::Load(
        SkinFixtures::OptionsWith(DefaultKeys(), changes),
        {{QStringLiteral("MASTER.BMP"), MasterBitmap()}, {QStringLiteral("GLYPH.BMP"), OwnGlyph()}});
}

QFont CaptionFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);  // every text pixel in one of the text colours
    return font;
}

// A single-framed window 80 × 50 with close and minimize, frames 3, title 16, and a red 4 × 4 icon.
// Layout (checked in initTestCase): icon (5,5) 8×8, min (65,10) and close (70,10) 4×3, title bar from
// x = 67, caption (17,3) 45×16.
FrameScene Scene(const SkinContent& skin, bool active, bool systemMenu = true) {
    FormTraits form;
    form.Width = kWindow.width();
    form.Height = kWindow.height();
    form.BorderStyle = FormBorderStyle::Single;
    form.HasSystemMenu = systemMenu;
    form.HasMaximizeIcon = false;
    FrameScene scene;
    scene.Title = TitleGeometry::Compute(skin, kForm, form, FrameMetrics{3, 3, 4, 4, 16, 12});
    scene.WindowSize = kWindow;
    scene.FormActive = active;
    scene.CaptionFont = CaptionFont();
    scene.Icon = SkinFixtures::Filled(4, 4, qRgb(250, 0, 0), QImage::Format_ARGB32);
    return scene;
}

QImage Composed(const SkinContent& skin, const FrameScene& scene) {
    FramePainter painter;
    QImage picture;
    painter.Compose(skin, scene, picture);
    return picture;
}

// The probed pixels that differ; on a mismatch the picture is written out for a look.
QString Mismatches(const QImage& picture, const QList<QPoint>& points, const QList<uint>& colours) {
    return SkinFixtures::Report(SkinFixtures::WrongPixels(picture, points, colours), picture,
                                QStringLiteral("tst_skinframepaint-") + QString::fromLatin1(QTest::currentDataTag()));
}

QSet<QRgb> ColoursIn(const QImage& picture, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(picture.pixel(x, y) & 0xFFFFFF);
    }
    return colours;
}

// Pixels of `picture` outside `area` that differ from `before`.
int ChangedOutside(const QImage& before, const QImage& picture, const QRect& area) {
    int changed = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!area.contains(x, y) && picture.pixel(x, y) != before.pixel(x, y))
                ++changed;
        }
    }
    return changed;
}

}  // namespace

class TestSkinFramePaint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void glyphs_data();
    void glyphs();
    void titleBand_data();
    void titleBand();
    void titleBandCopyHoldsFormPicture_data();
    void titleBandCopyHoldsFormPicture();
    void buttons_data();
    void buttons();
    void redrawButton_data();
    void redrawButton();
    void quickRepaintMatchesComposition();
    void caption_data();
    void caption();
    void captionAlignment_data();
    void captionAlignment();
    void captionCutWithDots();
    void opaqueFormPaintsTopAndFrameOnly();
    void opaqueFormSection_data();
    void opaqueFormSection();
    void gripInBottomRightCorner();
};

// The pixel positions the tests probe rest on this layout.
void TestSkinFramePaint::initTestCase() {
    const TitleLayout title = Scene(Skin(), true).Title;
    QCOMPARE(title.IconRect, QRect(5, 5, 8, 8));
    QCOMPARE(title.Buttons.size(), std::size_t(2));
    QCOMPARE(title.Buttons[0].Rect, QRect(70, 10, 4, 3));
    QCOMPARE(title.Buttons[1].Rect, QRect(65, 10, 4, 3));
    QCOMPARE(title.ButtonsWidth, 12);  // the title bar mask is 12 + 3 div 3 wide: x = 67 to 79
    QCOMPARE(title.CaptionRect, QRect(17, 3, 45, 16));
}

void TestSkinFramePaint::glyphs_data() {
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("dimmed");
    QTest::addColumn<QPoint>(
        "at");  // the glyph lies at (1,1) over (40,80,120): image pixel (x, y) is at (1 + x, 1 + y)
    QTest::addColumn<uint>("colour");
    const uint beneath = qRgb(40, 80, 120);
    QTest::newRow("master") << "BICONCLOSE" << 0 << false << QPoint(2, 2) << uint(qRgb(11, 21, 30));
    QTest::newRow("master, key") << "BICONCLOSE" << 0 << false << QPoint(1, 1) << beneath;
    QTest::newRow("master, second state") << "BICONCLOSE" << 1 << false << QPoint(2, 2) << uint(qRgb(61, 21, 30));
    // image + (beneath − image) × 128 div 256, truncated towards the image.
    QTest::newRow("master dimmed: half and half")
        << "BICONCLOSE" << 0 << true << QPoint(2, 2) << uint(qRgb(25, 50, 75));
    QTest::newRow("master dimmed, key stays transparent") << "BICONCLOSE" << 0 << true << QPoint(1, 1) << beneath;
    // Column 1 of the mask row is 60: image + (beneath − image) × 60 div 256.
    QTest::newRow("masked") << "BICONMIN" << 0 << false << QPoint(2, 1) << uint(qRgb(163, 96, 28));
    QTest::newRow("masked dimmed: mask + 100") << "BICONMIN" << 0 << true << QPoint(2, 1) << uint(qRgb(100, 88, 75));
    QTest::newRow("masked dimmed: black mask + 100")
        << "BICONMIN" << 0 << true << QPoint(1, 1) << uint(qRgb(138, 93, 46));
    QTest::newRow("masked dimmed: mask at most 255")
        << "BICONMIN" << 0 << true << QPoint(4, 1) << uint(qRgb(41, 81, 119));
    QTest::newRow("own picture dimmed: as usual") << "OWNGLYPH" << 0 << true << QPoint(2, 2) << uint(qRgb(9, 9, 9));
    QTest::newRow("own picture dimmed, key") << "OWNGLYPH" << 0 << true << QPoint(1, 1) << beneath;
}

void TestSkinFramePaint::glyphs() {
    QFETCH(QString, glyph);
    QFETCH(int, state);
    QFETCH(bool, dimmed);
    QFETCH(QPoint, at);
    QFETCH(uint, colour);
    const SkinContent skin = Skin();
    const int index = skin.OwnMaskIndexOf(QStringLiteral("GLOBALINFO"), glyph);
    QVERIFY(index >= 0);
    QImage target(6, 5, QImage::Format_RGB888);
    target.fill(QColor(40, 80, 120));
    const auto draw = dimmed ? MaskPainter::DrawDimmedGlyph : MaskPainter::DrawGlyph;
    draw(target, QPoint(1, 1), state, skin, index, BackgroundInfo{}, QPoint(0, 0));
    const QString wrong = Mismatches(target, {at}, {colour});
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestSkinFramePaint::titleBand_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("systemMenu");
    QTest::addColumn<QList<uint>>("colours");  // at the points of titleBand()

    const uint red = qRgb(250, 0, 0);
    const uint activeTitle = qRgb(10, 10, 200), inactiveTitle = qRgb(10, 10, 100);
    QTest::newRow("active") << "" << true << true << QList<uint>{activeTitle, qRgb(0, 0, 220), activeTitle,   red, red,
                                                                 activeTitle, activeTitle,     qRgb(0, 90, 0)};
    QTest::newRow("inactive") << "" << false << true
                              << QList<uint>{inactiveTitle, qRgb(0, 0, 160), inactiveTitle, red,
                                             red,           inactiveTitle,   inactiveTitle, qRgb(0, 40, 0)};
    QTest::newRow("see-through title shows the form")
        << "FORMTITLE.HOTTRANSPARENCY=100" << true << true
        << QList<uint>{qRgb(0, 90, 0), qRgb(0, 0, 220), qRgb(0, 90, 0), red, red,
                       qRgb(0, 90, 0), qRgb(0, 90, 0),  qRgb(0, 90, 0)};
    QTest::newRow("no title bar mask") << "FORM.TITLEBAR=" << true << true
                                       << QList<uint>{activeTitle, activeTitle, activeTitle, red,
                                                      red,         activeTitle, activeTitle, qRgb(0, 90, 0)};
    QTest::newRow("no buttons, no title bar")
        << "" << true << false
        << QList<uint>{activeTitle, activeTitle, activeTitle, red, red, activeTitle, activeTitle, qRgb(0, 90, 0)};
}

// Title band, title bar mask and the band left of it, the stretched icon's corners and its
// neighbours, and the body below the title.
void TestSkinFramePaint::titleBand() {
    QFETCH(QString, changes);
    QFETCH(bool, active);
    QFETCH(bool, systemMenu);
    QFETCH(QList<uint>, colours);
    const SkinContent skin = Skin(changes);
    const QImage picture = Composed(skin, Scene(skin, active, systemMenu));
    QCOMPARE(picture.size(), kWindow);
    QCOMPARE(picture.format(), QImage::Format_RGB888);
    const QString wrong =
        Mismatches(picture, {{30, 1}, {75, 1}, {66, 1}, {5, 5}, {12, 12}, {4, 5}, {13, 12}, {40, 30}}, colours);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestSkinFramePaint::titleBandCopyHoldsFormPicture_data() {
    QTest::addColumn<bool>("active");
    QTest::newRow("active") << true;
    QTest::newRow("inactive") << false;
}

// The copy is the form section's own painting of the band, without title, icon, buttons or caption; the
// rest of the window picture is that painting too.
void TestSkinFramePaint::titleBandCopyHoldsFormPicture() {
    QFETCH(bool, active);
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, active);
    scene.Caption = QStringLiteral("Caption");
    FramePainter painter;
    QImage picture;
    painter.Compose(skin, scene, picture);

    QImage form(kWindow, QImage::Format_RGB888);
    ItemPainter::PaintItem(skin, SectionLook::For(skin, kForm), BackgroundInfo{}, true, active ? 1 : 0, form,
                           QPoint(0, 0), form.rect());
    const int band = 3 + 16;
    QCOMPARE(painter.TitleBandCopy().format(), QImage::Format_RGB888);
    QCOMPARE(painter.TitleBandCopy(), form.copy(0, 0, kWindow.width(), band));
    const QRect body(0, band, kWindow.width(), kWindow.height() - band);
    QCOMPARE(picture.copy(body), form.copy(body));
    QVERIFY(picture.copy(0, 0, kWindow.width(), band) != painter.TitleBandCopy());
}

void TestSkinFramePaint::buttons_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("closeState");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<uint>>("colours");  // close (71,11) and its key pixel (70,10), min (65,10)

    // Close lies over the title bar (0,0,220) active or (0,0,160) inactive, min over the title colour.
    // Dimmed, close mixes half and half; min's black mask pixel becomes 100.
    QTest::newRow("active") << true << 0 << true << QList<uint>{qRgb(11, 21, 30), qRgb(0, 0, 220), qRgb(200, 100, 0)};
    QTest::newRow("inactive: dimmed") << false << 0 << true
                                      << QList<uint>{qRgb(6, 11, 95), qRgb(0, 0, 160), qRgb(126, 65, 39)};
    QTest::newRow("disabled: dimmed") << true << 0 << false
                                      << QList<uint>{qRgb(6, 11, 125), qRgb(0, 0, 220), qRgb(126, 65, 78)};
    QTest::newRow("hot") << true << 1 << true << QList<uint>{qRgb(61, 21, 30), qRgb(0, 0, 220), qRgb(200, 100, 0)};
    QTest::newRow("hot while inactive: dimmed")
        << false << 1 << true << QList<uint>{qRgb(31, 11, 95), qRgb(0, 0, 160), qRgb(126, 65, 39)};
}

void TestSkinFramePaint::buttons() {
    QFETCH(bool, active);
    QFETCH(int, closeState);
    QFETCH(bool, enabled);
    QFETCH(QList<uint>, colours);
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, active);
    scene.Buttons = {{closeState, enabled}, {0, enabled}};
    const QString wrong = Mismatches(Composed(skin, scene), {{71, 11}, {70, 10}, {65, 10}}, colours);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestSkinFramePaint::redrawButton_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<uint>>("colours");  // close (71,11) and its key pixel (70,10)

    // The button's rectangle comes back as the title painted it: over the title bar, (0,0,220) active or
    // (0,0,160) inactive.
    QTest::newRow("hot") << true << 1 << true << QList<uint>{qRgb(61, 21, 30), qRgb(0, 0, 220)};
    QTest::newRow("hot while inactive: not dimmed")
        << false << 1 << true << QList<uint>{qRgb(61, 21, 30), qRgb(0, 0, 160)};
    QTest::newRow("normal while inactive: dimmed")
        << false << 0 << true << QList<uint>{qRgb(6, 11, 95), qRgb(0, 0, 160)};
    QTest::newRow("pressed while disabled: dimmed")
        << true << 2 << false << QList<uint>{qRgb(56, 11, 125), qRgb(0, 0, 220)};
}

void TestSkinFramePaint::redrawButton() {
    QFETCH(bool, active);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QList<uint>, colours);
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, active);
    FramePainter painter;
    QImage picture;
    painter.Compose(skin, scene, picture);
    const QImage before = picture.copy();

    scene.Buttons = {{state, enabled}};
    const QRect close(70, 10, 4, 3);
    QCOMPARE(painter.RedrawButton(skin, scene, 0, picture), close);
    const QString wrong = Mismatches(picture, {{71, 11}, {70, 10}}, colours);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    QCOMPARE(ChangedOutside(before, picture, close), 0);
    QCOMPARE(painter.RedrawButton(skin, scene, 2, picture), QRect());

    // Back in its first state, the button looks as the whole composition drew it; after a new caption too.
    scene.Buttons = {};
    painter.RedrawButton(skin, scene, 0, picture);
    QCOMPARE(picture, before);
    scene.Caption = QStringLiteral("Caption");
    QVERIFY(painter.QuickTitleRepaint(skin, scene, picture));
    scene.Buttons = {{state, enabled}};
    painter.RedrawButton(skin, scene, 0, picture);
    scene.Buttons = {};
    painter.RedrawButton(skin, scene, 0, picture);
    QCOMPARE(picture, Composed(skin, scene));
}

// A new caption over the kept band copy is the picture a whole composition makes. After activation the
// band is that of an active composition while the rest of the window keeps its look. A window whose size
// changed needs a whole composition.
void TestSkinFramePaint::quickRepaintMatchesComposition() {
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, true);
    scene.Caption = QStringLiteral("One");
    FramePainter painter;
    QImage picture;
    painter.Compose(skin, scene, picture);
    scene.Caption = QStringLiteral("Two");
    QVERIFY(painter.QuickTitleRepaint(skin, scene, picture));
    QCOMPARE(picture, Composed(skin, scene));

    FrameScene inactive = Scene(skin, false);
    painter.Compose(skin, inactive, picture);
    const QImage before = picture.copy();
    QVERIFY(painter.QuickTitleRepaint(skin, Scene(skin, true), picture));
    const QRect band(0, 0, kWindow.width(), 3 + 16);
    QCOMPARE(picture.copy(band), Composed(skin, Scene(skin, true)).copy(band));
    QCOMPARE(ChangedOutside(before, picture, band), 0);

    FrameScene wider = Scene(skin, true);
    wider.WindowSize = kWindow + QSize(1, 0);
    QImage widerPicture(wider.WindowSize, QImage::Format_RGB888);
    QVERIFY(!painter.QuickTitleRepaint(skin, wider, widerPicture));
    FrameScene taller = Scene(skin, true);
    taller.WindowSize = kWindow + QSize(0, 1);
    QImage tallerPicture(taller.WindowSize, QImage::Format_RGB888);
    QVERIFY(!painter.QuickTitleRepaint(skin, taller, tallerPicture));
    QVERIFY(!FramePainter().QuickTitleRepaint(skin, scene, picture));
}

void TestSkinFramePaint::caption_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QList<uint>>("colours");  // everything in the caption rectangle, the title colour first

    QTest::newRow("active: hot colours") << true << true
                                         << QList<uint>{qRgb(10, 10, 200), qRgb(0, 255, 255), qRgb(7, 8, 9),
                                                        qRgb(10, 11, 12)};
    QTest::newRow("inactive") << false << true
                              << QList<uint>{qRgb(10, 10, 100), qRgb(255, 255, 0), qRgb(1, 2, 3), qRgb(4, 5, 6)};
    // The font colour 40 % against the global colour (200,200,200), no contours.
    QTest::newRow("disabled") << true << false << QList<uint>{qRgb(10, 10, 200), qRgb(222, 222, 120)};
}

void TestSkinFramePaint::caption() {
    QFETCH(bool, active);
    QFETCH(bool, enabled);
    QFETCH(QList<uint>, colours);
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, active);
    scene.FormEnabled = enabled;
    const QImage plain = Composed(skin, scene);
    scene.Caption = QStringLiteral("Title");
    const QImage picture = Composed(skin, scene);

    QSet<QRgb> expected;
    for (const uint colour : colours)
        expected.insert(colour & 0xFFFFFF);
    QCOMPARE(ColoursIn(picture, scene.Title.CaptionRect), expected);
    QCOMPARE(ChangedOutside(plain, picture, scene.Title.CaptionRect), 0);
}

void TestSkinFramePaint::captionAlignment_data() {
    QTest::addColumn<int>("alignment");
    QTest::newRow("left") << int(Qt::AlignLeft);
    QTest::newRow("centre") << int(Qt::AlignHCenter);
    QTest::newRow("right") << int(Qt::AlignRight);
}

// The room left of the caption's ink and right of it, in the caption rectangle.
void TestSkinFramePaint::captionAlignment() {
    QFETCH(int, alignment);
    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, true);
    scene.Caption = QStringLiteral("Hi");
    scene.CaptionAlignment = Qt::Alignment(alignment);
    const QImage picture = Composed(skin, scene);
    const QRect& area = scene.Title.CaptionRect;
    int left = area.right(), right = area.left();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFF) != (qRgb(10, 10, 200) & 0xFFFFFF)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    QVERIFY(left < right);
    const int roomLeft = left - area.left(), roomRight = area.right() - right;
    if (alignment == Qt::AlignLeft)
        QVERIFY2(roomLeft <= 2 && roomRight > 10, qPrintable(QStringLiteral("%1 %2").arg(roomLeft).arg(roomRight)));
    else if (alignment == Qt::AlignRight)
        QVERIFY2(roomRight <= 2 && roomLeft > 10, qPrintable(QStringLiteral("%1 %2").arg(roomLeft).arg(roomRight)));
    else
        QVERIFY2(std::abs(roomLeft - roomRight) <= 2, qPrintable(QStringLiteral("%1 %2").arg(roomLeft).arg(roomRight)));
}

// For every width: the whole text when it fits, else the longest start that fits with "..." after it (just
// "..." when none does); and a caption too long for its rectangle is drawn so cut.
void TestSkinFramePaint::captionCutWithDots() {
    QFont bold = CaptionFont();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const QString text = QStringLiteral("A rather long window caption");
    const QString dots = QStringLiteral("...");
    for (int width = 0; width <= metrics.horizontalAdvance(text) + 1; ++width) {
        const QString cut = TextPainter::CutToFit(metrics, text, width);
        const QString where = QStringLiteral("width %1: \"%2\"").arg(width).arg(cut);
        if (metrics.horizontalAdvance(text) <= width) {
            QCOMPARE(cut, text);
            continue;
        }
        QVERIFY2(cut.endsWith(dots) && text.startsWith(cut.chopped(3)), qPrintable(where));
        const qsizetype kept = cut.size() - 3;
        QVERIFY2(kept == 0 || metrics.horizontalAdvance(cut) <= width, qPrintable(where));
        QVERIFY2(metrics.horizontalAdvance(text.left(kept + 1) + dots) > width, qPrintable(where));
    }

    const SkinContent skin = Skin();
    FrameScene scene = Scene(skin, true);
    scene.Caption = text;
    const QImage picture = Composed(skin, scene);
    scene.Caption = TextPainter::CutToFit(metrics, text, scene.Title.CaptionRect.width());
    QVERIFY(scene.Caption.size() < text.size());
    QCOMPARE(picture, Composed(skin, scene));
}

// Active and inactive: the top part (frame + title + 1 row) and the frame in the section's colour, the
// border drawn over them (its 0xFF00FF corner showing the colour), the client area left alone.
void TestSkinFramePaint::opaqueFormPaintsTopAndFrameOnly() {
    const SkinContent skin = Skin(kOpaqueForm);
    const uint border = qRgb(50, 60, 70), client = qRgb(0, 0, 0);
    const QList<QPoint> points{{0, 0},   {30, 0},  {30, 1},  {30, 19}, {30, 20}, {0, 30},  {2, 30}, {3, 30},
                               {79, 30}, {77, 30}, {76, 30}, {40, 49}, {40, 47}, {40, 46}, {40, 30}};
    for (const bool active : {true, false}) {
        const uint c = active ? qRgb(150, 0, 0) : qRgb(100, 0, 0);
        const QList<uint> colours{c,      border, c,      c,      client, border, c,     client,
                                  border, c,      client, border, c,      client, client};
        const QString wrong = Mismatches(Composed(skin, Scene(skin, active)), points, colours);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
}

void TestSkinFramePaint::opaqueFormSection_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<bool>("opaque");
    QTest::newRow("plain colour") << "" << true;
    // Margins are held within the border's image: these lie in a 30 × 12 slice.
    QTest::newRow("border margins 15 + 15")
        << "FORM.BORDERSMASK=^0000,0000,0030,0012,0015,0001,0015,0001,1,0,4,0" << true;
    QTest::newRow("border margins 16 + 16")
        << "FORM.BORDERSMASK=^0000,0000,0030,0012,0016,0001,0016,0001,1,0,4,0" << false;
    QTest::newRow("gradient") << "FORM.GRADIENTPERCENT=50|FORM.GRADIENTDATA=0;0;100;0;0" << false;
    QTest::newRow("texture") << "FORM.IMAGEPERCENT=50" << false;
    QTest::newRow("transparency") << "FORM.TRANSPARENCY=10" << false;
}

// Only a plain section leaves the middle of the client area unpainted.
void TestSkinFramePaint::opaqueFormSection() {
    QFETCH(QString, changes);
    QFETCH(bool, opaque);
    const SkinContent skin = Skin(kOpaqueForm + u'|' + changes);
    const QImage picture = Composed(skin, Scene(skin, true));
    QCOMPARE((picture.pixel(40, 30) & 0xFFFFFF) == 0, opaque);
}

// The grip glyph (2×2 images of (9,9,9), top-left pixel clear) sits in the client area's bottom-right
// corner, inside the 3-pixel frame, only when asked for.
void TestSkinFramePaint::gripInBottomRightCorner() {
    const SkinContent skin = Skin(QStringLiteral("GRIPIMAGE=!GLYPH.BMP!3!0!2"));
    FrameScene scene = Scene(skin, true);
    const QRgb form = Composed(skin, scene).pixel(76, 46);
    QVERIFY(form != qRgb(9, 9, 9));
    scene.Grip = true;
    const QImage picture = Composed(skin, scene);
    QCOMPARE(picture.pixel(76, 46), qRgb(9, 9, 9));
    QCOMPARE(picture.pixel(75, 45), form);
    QCOMPARE(picture.pixel(77, 47), Composed(skin, Scene(skin, true)).pixel(77, 47));
}

QV_TEST_MAIN(TestSkinFramePaint)
#include "tst_skinframepaint.moc"
