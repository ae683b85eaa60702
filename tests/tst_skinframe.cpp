#include <QMap>
#include <QTest>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/frame/TitleGeometry.h"
#include "skin/frame/WindowRegion.h"

namespace {

const QString kForm = QStringLiteral("FORM");
const QString kTitle = QStringLiteral("FORMTITLE");
constexpr int kWindowWidth = 200, kWindowHeight = 150;

// Dialog frames 3, sizing frames 4, captions 22 and 17 (tool windows) high.
FrameMetrics Metrics(int captionHeight = 22) {
    return {3, 3, 4, 4, captionHeight, 17};
}

// The master bitmap, grey except for the 0xFF00FF pixels of two border masks:
//   "FORM" border      (0,0)-(20,8)   two 10×8 state images, margins 3. Image 0 is keyed at row 0 columns
//                                     0–1, 5 and 8–9; row 1 column 0; row 4 column 0; row 7 columns 0–4
//                                     and 9. Image 1 is keyed at its row 2 column 0.
//   "FORMTITLE" border (0,10)-(6,14)  one 6×4 image, margins 2, keyed at row 1 columns 1 and 4, row 3 column 0.
//   (20,10)-(30,18) has no key pixel at all, nor has the rest, down to row 240 for the glyphs.
QByteArray MasterBitmap() {
    QImage master = SkinFixtures::Filled(80, 240, qRgb(90, 90, 90));
    const QRgb key = qRgb(255, 0, 255);
    for (const QPoint& p : {QPoint(0, 0), QPoint(1, 0), QPoint(5, 0), QPoint(8, 0), QPoint(9, 0), QPoint(0, 1),
                            QPoint(0, 4), QPoint(0, 7), QPoint(1, 7), QPoint(2, 7), QPoint(3, 7), QPoint(4, 7),
                            QPoint(9, 7), QPoint(10, 2), QPoint(1, 11), QPoint(4, 11), QPoint(0, 13)})
        master.setPixel(p, key);
    return SkinFixtures::ImageBytes(master, "BMP");
}

// Glyph slices, in the grey part of the master, only give sizes here: close 20×18 (with a mask row), maximize 22,
// restore 23, minimize 24, help 19; the small ones 14×12, 13, 15 and 12, and no small help glyph.
QMap<QString, QString> DefaultKeys() {
    return {
        {QStringLiteral("BISPACE"), QStringLiteral("2")},
        {QStringLiteral("BIRIGHT"), QStringLiteral("3")},
        {QStringLiteral("BILEFT"), QStringLiteral("5")},
        {QStringLiteral("BICONCLOSE"), QStringLiteral("@0000,0020,0060,0056,3,1")},
        {QStringLiteral("BICONMAX"), QStringLiteral("@0000,0060,0066,0078,3,0")},
        {QStringLiteral("BICONNORM"), QStringLiteral("@0000,0080,0069,0098,3,0")},
        {QStringLiteral("BICONMIN"), QStringLiteral("@0000,0100,0072,0118,3,0")},
        {QStringLiteral("BICONHELP"), QStringLiteral("@0000,0120,0057,0138,3,0")},
        {QStringLiteral("SICONCLOSE"), QStringLiteral("@0000,0140,0042,0152,3,0")},
        {QStringLiteral("SICONMAX"), QStringLiteral("@0000,0160,0039,0172,3,0")},
        {QStringLiteral("SICONNORM"), QStringLiteral("@0000,0180,0045,0192,3,0")},
        {QStringLiteral("SICONMIN"), QStringLiteral("@0000,0200,0036,0212,3,0")},
        {QStringLiteral("FORM.BORDERSMASK"), QStringLiteral("#(0,0,20,8)(2,0,3)")},
        {QStringLiteral("FORMTITLE.BORDERSMASK"), QStringLiteral("#(0,10,6,14)(1,0,2)")},
        {QStringLiteral("PLAIN.BORDERSMASK"), QStringLiteral("#(20,10,30,18)(1,0,3)")},
    };
}

// The test skin with changes "KEY=VALUE|SECTION.KEY=VALUE"; a key without a section belongs to
// "GLOBALINFO", and an empty value takes the key away.
SkinContent Skin(const QString& changes = {}) {
    return SkinFixtures::Load(SkinFixtures::OptionsWith(DefaultKeys(), changes),
                              {{QStringLiteral("MASTER.BMP"), MasterBitmap()}});
}

// "BORDER flag flag…": single, sizeable, dialog, tool or none, then any of menu, min, max, help, maximized,
// minimized, noicon, nocaption.
FormTraits Traits(const QString& description) {
    const QStringList words = description.split(u' ', Qt::SkipEmptyParts);
    static const QMap<QString, FormBorderStyle> borders{{QStringLiteral("single"), FormBorderStyle::Single},
                                                        {QStringLiteral("sizeable"), FormBorderStyle::Sizeable},
                                                        {QStringLiteral("dialog"), FormBorderStyle::Dialog},
                                                        {QStringLiteral("tool"), FormBorderStyle::ToolWindow},
                                                        {QStringLiteral("none"), FormBorderStyle::None}};
    FormTraits form;
    form.Width = kWindowWidth;
    form.Height = kWindowHeight;
    form.BorderStyle = borders.value(words.value(0));
    const auto has = [&](const char* flag) { return words.contains(QLatin1String(flag)); };
    form.HasSystemMenu = has("menu");
    form.HasMinimizeIcon = has("min");
    form.HasMaximizeIcon = has("max");
    form.HasHelpIcon = has("help");
    form.Maximized = has("maximized");
    form.Minimized = has("minimized");
    form.ShowAppIcon = !has("noicon");
    form.HasCaption = !has("nocaption");
    return form;
}

QString KindName(TitleButton::Kind kind) {
    static const char* const names[] = {"close", "max", "min", "help"};
    return QLatin1String(names[kind]);
}

// "close 172,3 20x18 | min 146,3 24x18", right to left; a button without glyph is "min missing".
QString Placement(const TitleLayout& title) {
    QStringList parts;
    for (const TitleButton& button : title.Buttons) {
        const QRect& r = button.Rect;
        parts << KindName(button.ButtonKind) +
                     (button.GlyphIndex < 0
                          ? QStringLiteral(" missing")
                          : QStringLiteral(" %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    }
    return parts.join(QStringLiteral(" | "));
}

// "close=GLOBALINFO.SICONCLOSE small | help=GLOBALINFO.BICONHELP".
QString Glyphs(const SkinContent& skin, const TitleLayout& title) {
    QStringList parts;
    for (const TitleButton& button : title.Buttons) {
        QString glyph = QStringLiteral("missing");
        if (button.GlyphIndex >= 0) {
            const TsMaskData& mask = skin.Masks[static_cast<std::size_t>(button.GlyphIndex)];
            glyph = mask.SectionName + u'.' + mask.PropertyName;
        }
        parts << KindName(button.ButtonKind) + u'=' + glyph + (button.BigGlyph ? QString() : QStringLiteral(" small"));
    }
    return parts.join(QStringLiteral(" | "));
}

QString Rects(const std::vector<QRect>& rects) {
    QStringList parts;
    for (const QRect& r : rects)
        parts << QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    return parts.join(QStringLiteral(" | "));
}

}  // namespace

class TestSkinFrame : public QObject {
    Q_OBJECT

private slots:
    void frameAndTitleHeight_data();
    void frameAndTitleHeight();
    void iconBySizeOfTitle_data();
    void iconBySizeOfTitle();
    void buttonLayout_data();
    void buttonLayout();
    void buttonGlyphs_data();
    void buttonGlyphs();
    void captionRect_data();
    void captionRect();
    void regionCutsKeyedFramePixels();
    void regionWithoutKeyPixelsIsRectangular();
    void maximisedRegionLeavesFrameOutside();
};

void TestSkinFrame::frameAndTitleHeight_data() {
    QTest::addColumn<QString>("traits");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<int>("titleHeight");
    QTest::newRow("single") << "single" << kForm << QMargins(3, 3, 3, 3) << 22;
    QTest::newRow("sizeable") << "sizeable" << kForm << QMargins(4, 4, 4, 4) << 22;
    QTest::newRow("dialog") << "dialog" << kForm << QMargins(3, 3, 3, 3) << 22;
    QTest::newRow("tool window: small caption") << "tool" << kForm << QMargins(3, 3, 3, 3) << 17;
    QTest::newRow("no border, no caption") << "none nocaption" << kForm << QMargins() << 0;
    QTest::newRow("minimised keeps its title") << "single nocaption minimized" << kForm << QMargins(3, 3, 3, 3) << 22;
    QTest::newRow("section missing: no frame") << "sizeable"
                                               << "NOSUCH" << QMargins() << 22;
}

void TestSkinFrame::frameAndTitleHeight() {
    QFETCH(QString, traits);
    QFETCH(QString, section);
    QFETCH(QMargins, frame);
    QFETCH(int, titleHeight);
    const TitleLayout title = TitleGeometry::Compute(Skin(), section, Traits(traits), Metrics());
    QCOMPARE(title.Frame, frame);
    QCOMPARE(title.TitleHeight, titleHeight);
}

void TestSkinFrame::iconBySizeOfTitle_data() {
    QTest::addColumn<QString>("traits");
    QTest::addColumn<int>("captionHeight");
    QTest::addColumn<QSize>("titleIcon");
    QTest::addColumn<QRect>("iconRect");  // left = frame 3 + BILeft 5; top = (title + 3 − icon height) / 2
    QTest::newRow("8: none") << "single" << 8 << QSize() << QRect(8, 5, 0, 0);
    QTest::newRow("9: 8") << "single" << 9 << QSize() << QRect(8, 2, 8, 8);
    QTest::newRow("16: 8") << "single" << 16 << QSize() << QRect(8, 5, 8, 8);
    QTest::newRow("17: 16") << "single" << 17 << QSize() << QRect(8, 2, 16, 16);
    QTest::newRow("18: 16") << "single" << 18 << QSize() << QRect(8, 2, 16, 16);
    QTest::newRow("27: 16") << "single" << 27 << QSize() << QRect(8, 7, 16, 16);
    QTest::newRow("28: 32") << "single" << 28 << QSize() << QRect(8, 0, 32, 32);
    QTest::newRow("30: 32") << "single" << 30 << QSize() << QRect(8, 0, 32, 32);
    QTest::newRow("sizeable frame") << "sizeable" << 22 << QSize() << QRect(9, 5, 16, 16);
    QTest::newRow("dialog: no icon") << "dialog" << 22 << QSize() << QRect(8, 12, 0, 0);
    QTest::newRow("tool window: no icon") << "tool" << 22 << QSize() << QRect(8, 10, 0, 0);
    QTest::newRow("app icon off") << "single noicon" << 22 << QSize() << QRect(8, 12, 0, 0);
    QTest::newRow("title icon width only") << "single" << 22 << QSize(20, 0) << QRect(8, 4, 20, 16);
    QTest::newRow("title icon, app icon off") << "single noicon" << 22 << QSize(20, 20) << QRect(8, 12, 0, 0);
}

void TestSkinFrame::iconBySizeOfTitle() {
    QFETCH(QString, traits);
    QFETCH(int, captionHeight);
    QFETCH(QSize, titleIcon);
    QFETCH(QRect, iconRect);
    FormTraits form = Traits(traits);
    form.TitleIconSize = titleIcon;
    const TitleLayout title = TitleGeometry::Compute(Skin(), kForm, form, Metrics(captionHeight));
    QCOMPARE(title.IconRect, iconRect);
    QCOMPARE(title.IconSize, iconRect.size());
}

void TestSkinFrame::buttonLayout_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("traits");
    QTest::addColumn<QString>("placement");
    QTest::addColumn<int>("buttonsWidth");

    // Window 200 wide, BIRight 3, BISpace 2: the first big button ends at 200 − frame − 3 − 2.
    // Single frames are 3 wide, so big buttons 18 high sit at (22 + 3 − 18) / 2 = 3; sizeable ones at 4.
    QTest::newRow("main window: close and minimize") << ""
                                                     << "single menu min"
                                                     << "close 172,3 20x18 | min 146,3 24x18" << 3 + 22 + 26;
    QTest::newRow("dialog: close only") << ""
                                        << "dialog menu min max"
                                        << "close 172,3 20x18" << 3 + 22;
    QTest::newRow("sizeable with all icons")
        << ""
        << "sizeable menu min max"
        << "close 171,4 20x18 | max 147,4 22x18 | min 121,4 24x18" << 3 + 22 + 24 + 26;
    QTest::newRow("help last") << ""
                               << "sizeable menu min max help"
                               << "close 171,4 20x18 | max 147,4 22x18 | min 121,4 24x18 | help 100,4 19x18"
                               << 3 + 22 + 24 + 26 + 21;
    QTest::newRow("maximised: restore glyph")
        << ""
        << "sizeable menu min max maximized"
        << "close 171,4 20x18 | max 146,4 23x18 | min 120,4 24x18" << 3 + 22 + 25 + 26;
    QTest::newRow("minimised dialog: restore and minimize")
        << ""
        << "dialog menu minimized"
        << "close 172,3 20x18 | max 147,3 23x18 | min 121,3 24x18" << 3 + 22 + 25 + 26;
    QTest::newRow("no system menu: no buttons") << ""
                                                << "sizeable min max"
                                                << "" << 3;
    QTest::newRow("no title: no buttons") << ""
                                          << "single menu min nocaption"
                                          << "" << 3;
    QTest::newRow("missing glyph: counted as 21, not placed")
        << "BICONMAX="
        << "sizeable menu min max"
        << "close 171,4 20x18 | max missing | min 145,4 24x18" << 3 + 22 + 23 + 26;
    QTest::newRow("missing close: buttons 21 high") << "BICONCLOSE=|SICONCLOSE="
                                                    << "single menu min"
                                                    << "close missing | min 168,2 24x21" << 3 + 23 + 26;
    // Tool windows: title 17, buttons 12 high at (17 + 3 − 12) / 2 = 4, no spacing.
    QTest::newRow("tool window: small glyphs") << ""
                                               << "tool menu"
                                               << "close 180,4 14x12" << 3 + 14;
    QTest::newRow("tool window without small close: big glyphs") << "SICONCLOSE="
                                                                 << "tool menu"
                                                                 << "close 172,1 20x18" << 3 + 22;
    QTest::newRow("big buttons below 16 high sit 2 lower") << "BICONCLOSE=@0000,0020,0060,0048,3,1"
                                                           << "single menu"
                                                           << "close 172,7 20x14" << 3 + 22;
    QTest::newRow("small buttons below 16 high stay centred") << "SICONCLOSE=@0000,0140,0042,0150,3,0"
                                                              << "tool menu"
                                                              << "close 180,5 14x10" << 3 + 14;
    QTest::newRow("BIVAlign 1: at the top") << "BIVALIGN=1"
                                            << "single menu"
                                            << "close 172,0 20x18" << 3 + 22;
    QTest::newRow("BIVAlign 1, maximised: below the frame") << "BIVALIGN=1"
                                                            << "sizeable menu maximized"
                                                            << "close 171,3 20x18" << 3 + 22;
    QTest::newRow("BIVAlign -1: centred") << "BIVALIGN=-1"
                                          << "single menu"
                                          << "close 172,3 20x18" << 3 + 22;
}

void TestSkinFrame::buttonLayout() {
    QFETCH(QString, changes);
    QFETCH(QString, traits);
    QFETCH(QString, placement);
    QFETCH(int, buttonsWidth);
    const TitleLayout title = TitleGeometry::Compute(Skin(changes), kForm, Traits(traits), Metrics());
    QCOMPARE(Placement(title), placement);
    QCOMPARE(title.ButtonsWidth, buttonsWidth);
}

void TestSkinFrame::buttonGlyphs_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("traits");
    QTest::addColumn<QString>("glyphs");
    const QString slice = QStringLiteral("@0000,0220,0051,0238,3,0");
    QTest::newRow("restore: the form's own BICONNORM")
        << "BICONNORM=|FORM.BICONNORM=" + slice << "sizeable menu max maximized"
        << "close=GLOBALINFO.BICONCLOSE | max=FORM.BICONNORM";
    QTest::newRow("restore: then the form's own BICONMAX")
        << "BICONNORM=|FORM.BICONMAX=" + slice << "sizeable menu max maximized"
        << "close=GLOBALINFO.BICONCLOSE | max=FORM.BICONMAX";
    QTest::newRow("restore: never the global BICONMAX") << "BICONNORM="
                                                        << "sizeable menu max maximized"
                                                        << "close=GLOBALINFO.BICONCLOSE | max=missing";
    QTest::newRow("tool window, minimised")
        << ""
        << "tool menu minimized"
        << "close=GLOBALINFO.SICONCLOSE small | max=GLOBALINFO.SICONNORM small | min=GLOBALINFO.SICONMIN small";
    QTest::newRow("tool window restore without SICONNORM")
        << "SICONNORM="
        << "tool menu minimized"
        << "close=GLOBALINFO.SICONCLOSE small | max=GLOBALINFO.SICONMAX small | min=GLOBALINFO.SICONMIN small";
    QTest::newRow("tool window help: the big one") << ""
                                                   << "tool menu help"
                                                   << "close=GLOBALINFO.SICONCLOSE small | help=GLOBALINFO.BICONHELP";
}

void TestSkinFrame::buttonGlyphs() {
    QFETCH(QString, changes);
    QFETCH(QString, traits);
    QFETCH(QString, glyphs);
    const SkinContent skin = Skin(changes);
    QCOMPARE(Glyphs(skin, TitleGeometry::Compute(skin, kForm, Traits(traits), Metrics())), glyphs);
}

void TestSkinFrame::captionRect_data() {
    QTest::addColumn<QString>("traits");
    QTest::addColumn<QRect>("caption");
    // From icon + frame 3 + BILeft 5 + 4 to 200 − buttons width − 6, below the 3-pixel frame, 22 high.
    QTest::newRow("with app icon") << "single menu min" << QRect(28, 3, 143 - 28, 22);
    QTest::newRow("without app icon") << "single menu min noicon" << QRect(12, 3, 143 - 12, 22);
    QTest::newRow("dialog") << "dialog menu" << QRect(12, 3, 169 - 12, 22);
}

void TestSkinFrame::captionRect() {
    QFETCH(QString, traits);
    QFETCH(QRect, caption);
    QCOMPARE(TitleGeometry::Compute(Skin(), kForm, Traits(traits), Metrics()).CaptionRect, caption);
}

// Only the margin columns of the margin rows of the first state image count, placed against the
// window's edges (window 100 × 60; the form image is 10 × 8, the title one 6 × 4).
void TestSkinFrame::regionCutsKeyedFramePixels() {
    const WindowOutline region =
        WindowRegion::Build(Skin(), kForm, kTitle, QSize(100, 60), false, QMargins(4, 4, 4, 4));
    QCOMPARE(Rects(region.CutOuts), QStringLiteral("0,0 2x1 | 98,0 2x1 | 0,1 1x1 | 0,59 3x1 | 99,59 1x1 | "
                                                   "1,1 1x1 | 98,1 1x1"));
    for (const QPoint& p :
         {QPoint(0, 0), QPoint(1, 0), QPoint(99, 0), QPoint(1, 1), QPoint(98, 1), QPoint(2, 59), QPoint(99, 59)})
        QVERIFY2(!region.Region.contains(p), qPrintable(QStringLiteral("%1,%2 kept").arg(p.x()).arg(p.y())));
    // Next to the runs; a key pixel mid-edge (5,0), in a middle row (0,4), in image 1 (0,2), or in the
    // title's bottom row (0,3) cuts nothing.
    for (const QPoint& p : {QPoint(2, 0), QPoint(97, 0), QPoint(5, 0), QPoint(0, 4), QPoint(0, 2), QPoint(0, 3),
                            QPoint(3, 59), QPoint(98, 59), QPoint(50, 30)})
        QVERIFY2(region.Region.contains(p), qPrintable(QStringLiteral("%1,%2 cut").arg(p.x()).arg(p.y())));
}

void TestSkinFrame::regionWithoutKeyPixelsIsRectangular() {
    const WindowOutline region = WindowRegion::Build(Skin(), QStringLiteral("PLAIN"), QStringLiteral("NOSUCH"),
                                                     QSize(100, 60), false, QMargins(4, 4, 4, 4));
    QVERIFY(region.CutOuts.empty());
    QCOMPARE(region.Region, QRegion(0, 0, 100, 60));
}

void TestSkinFrame::maximisedRegionLeavesFrameOutside() {
    const WindowOutline region = WindowRegion::Build(Skin(), kForm, kTitle, QSize(100, 60), true, QMargins(4, 5, 6, 7));
    QVERIFY(region.CutOuts.empty());
    QCOMPARE(region.Region, QRegion(4, 5, 90, 48));
}

QV_TEST_MAIN(TestSkinFrame)
#include "tst_skinframe.moc"
