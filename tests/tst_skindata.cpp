#include <QTest>
#include <map>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/loading/ColorShift.h"
#include "skin/loading/PatternLoader.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLimits.h"

using namespace SkinFixtures;

namespace {

// A mask's fields as one line, so that a table row states all of them at once.
QString Describe(const TsMaskData& m) {
    return QStringLiteral("%1.%2 type%3 slice%4,%5,%6,%7 images%8 mask%9 width%10 mode%11 margins%12,%13,%14,%15%16")
        .arg(m.SectionName, m.PropertyName)
        .arg(int(m.ImgType))
        .arg(m.Slice.Left)
        .arg(m.Slice.Top)
        .arg(m.Slice.Right)
        .arg(m.Slice.Bottom)
        .arg(m.ImageCount)
        .arg(m.MaskType)
        .arg(m.BorderWidth)
        .arg(m.PaintMode)
        .arg(m.MarginLeft)
        .arg(m.MarginTop)
        .arg(m.MarginRight)
        .arg(m.MarginBottom)
        .arg(m.Picture.isNull() ? QString() : QStringLiteral(" picture"));
}

// A picture of its own, and the master bitmap of 120 × 60 that slices lie in; options that slice the master
// name it with kNamesMaster (anywhere: its place changes no index the tests look at).
const Pictures kFrame = {{QStringLiteral("FRAME.BMP"), ImageBytes(Filled(90, 60, qRgb(200, 10, 10)), "BMP")},
                         {QStringLiteral("MASTER.BMP"), ImageBytes(Filled(120, 60, qRgb(10, 10, 200)), "BMP")}};
const QString kNamesMaster = QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n");

}  // namespace

class TestSkinData : public QObject {
    Q_OBJECT

private slots:
    void maskRules_data();
    void maskRules();
    void badMaskValueFailsLoad_data();
    void badMaskValueFailsLoad();
    void pngWhiteBecomesTransparent();
    void masterBitmapIsTwentyFourBits();
    void jpegPatternsAndTextures_data();
    void jpegPatternsAndTextures();

    void sectionDefaults();
    void inheritedValues_data();
    void inheritedValues();
    void parentLoopEndsLookup();
    void gradients_data();
    void gradients();
    void globalFacts();

    void borderMaskFollowsParent();
    void lookups();
    void cachedIndexes();
    void borderWidthsAndGlyphSize_data();
    void borderWidthsAndGlyphSize();
    void colourShift();

    void slicesFitTheirPicture();
    void declaredSizesAreBounded();
    void oversizedOptionsAreRefused_data();
    void oversizedOptionsAreRefused();
    void longParentChainResolvesOnce();
};

void TestSkinData::maskRules_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");  // empty: no mask

    QTest::newRow("# conventional")
        << "#(0, 0, 90, 30)(3, 1)"
        << "BUTTON.BORDERSMASK type0 slice0,0,90,30 images3 mask1 width0 mode1 margins10,5,10,5";
    QTest::newRow("# with blank between lists") << "# (0,0,90,30) (2,0,4,6)"
                                                << "BUTTON.BORDERSMASK type0 slice0,0,90,30 images2 mask0 width4 mode6 "
                                                   "margins4,4,4,4";
    QTest::newRow("# lower limits") << "#(10,20,40,50)(0,-3,-2)"
                                    << "BUTTON.BORDERSMASK type0 slice10,20,40,50 images1 mask0 width0 mode1 "
                                       "margins10,10,10,10";
    QTest::newRow("# alone is no mask") << "#"
                                        << "";
    QTest::newRow("@ glyph") << "@0010,0020,0070,0040,3,1"
                             << "Button.BordersMask type2 slice10,20,70,40 images3 mask1 width0 mode0 margins0,0,0,0";
    QTest::newRow("^ border with margins") << "^0000,0000,0090,0060,0005,0006,0007,0008,3,1,4,2"
                                           << "Button.BordersMask type0 slice0,0,90,60 images3 mask1 width2 mode4 "
                                              "margins5,6,7,8";
    QTest::newRow("^ border width for zero margins") << "^0000,0000,0090,0060,0000,0000,0000,0000,3,1,4,3"
                                                     << "Button.BordersMask type0 slice0,0,90,60 images3 mask1 width3 "
                                                        "mode4 margins3,3,3,3";
    QTest::newRow("^ computed margins") << "^0000,0000,0090,0060,0000,0000,0000,0000,3,1,4,0"
                                        << "Button.BordersMask type0 slice0,0,90,60 images3 mask1 width0 mode4 "
                                           "margins10,10,10,10";
    QTest::newRow("~ texture with mask type") << "~0100,0000,0116,0032,01,1"
                                              << "Button.BordersMask type1 slice100,0,116,32 images1 mask1 width0 "
                                                 "mode1 margins0,0,0,0";
    QTest::newRow("~ texture without mask type") << "~0100,0000,0116,0032,02"
                                                 << "Button.BordersMask type1 slice100,0,116,32 images1 mask0 width0 "
                                                    "mode2 margins0,0,0,0";
    QTest::newRow("! computed margins") << "!FRAME.BMP!3!1!0"
                                        << "Button.BordersMask type0 slice0,0,90,60 images3 mask1 width0 mode4 "
                                           "margins10,10,10,10 picture";
    QTest::newRow("! given margins, type capped") << "!FRAME.BMP!3!0!7!2!3!4!5"
                                                  << "Button.BordersMask type3 slice0,0,90,60 images3 mask0 width0 "
                                                     "mode4 margins2,3,4,5 picture";
    QTest::newRow("! lower-case name skipped") << "!frame.bmp!3!1!0"
                                               << "";
    QTest::newRow("! JPEG name skipped") << "!FRAME.JPG!3!1!0"
                                         << "";
    QTest::newRow("! missing picture skipped") << "!OTHER.BMP!3!1!0"
                                               << "";
    QTest::newRow("whole bitmap, any case") << "frame.bmp"
                                            << "BUTTON.BORDERSMASK type0 slice0,0,90,60 images3 mask1 width0 mode0 "
                                               "margins10,10,10,10 picture";
    QTest::newRow("whole bitmap missing") << "OTHER.BMP"
                                          << "";
    QTest::newRow("number") << "16777215"
                            << "";
    QTest::newRow("text") << "TRUE"
                          << "";
}

void TestSkinData::maskRules() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const SkinContent skin =
        Load(QStringLiteral("[Button]\r\nBordersMask=") + value + QStringLiteral("\r\n") + kNamesMaster, kFrame);
    if (expected.isEmpty()) {
        QVERIFY(skin.Masks.empty());
        return;
    }
    QCOMPARE(skin.Masks.size(), std::size_t(1));
    QCOMPARE(Describe(skin.Masks[0]), expected);
}

void TestSkinData::badMaskValueFailsLoad_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("# letter in rectangle") << "#(0,0,9x,30)(3,1)";
    QTest::newRow("# rectangle too short") << "#(0,0,90)(3,1)";
    QTest::newRow("# options missing") << "#(0,0,90,30)";
    QTest::newRow("@ letter") << "@00a0,0020,0070,0040,3,1";
    QTest::newRow("@ cut short") << "@0010,0020,0070,0040";
    QTest::newRow("^ cut short") << "^0000,0000,0090,0060,0000,0000";
    QTest::newRow("~ mode missing") << "~0100,0000,0116,0032";
    QTest::newRow("! image count") << "!FRAME.BMP!three!1!0";
    QTest::newRow("! too few words") << "!FRAME.BMP!3";
    QTest::newRow("! margin") << "!FRAME.BMP!3!1!0!1!2!x!4";
}

void TestSkinData::badMaskValueFailsLoad() {
    QFETCH(QString, value);
    QVERIFY_THROWS_EXCEPTION(SkinError, Load(QStringLiteral("[BUTTON]\r\nBORDERSMASK=") + value, kFrame));
}

void TestSkinData::pngWhiteBecomesTransparent() {
    QImage glyph(3, 1, QImage::Format_ARGB32);
    glyph.setPixel(0, 0, qRgba(255, 255, 255, 128));
    glyph.setPixel(1, 0, qRgba(255, 255, 254, 255));
    glyph.setPixel(2, 0, qRgba(255, 255, 255, 255));
    QImage opaque = Filled(3, 1, qRgb(255, 255, 255));
    const SkinContent skin = Load(QStringLiteral("[GLOBALINFO]\r\nA=!GLYPH.PNG!3!0!2\r\nB=!OPAQUE.PNG!3!0!2\r\n"),
                                  {{QStringLiteral("glyph.png"), ImageBytes(glyph, "PNG")},
                                   {QStringLiteral("OPAQUE.PNG"), ImageBytes(opaque, "PNG")}});
    QCOMPARE(skin.Masks.size(), std::size_t(2));
    const QImage& adapted = skin.Masks[0].Picture;
    QCOMPARE(adapted.pixel(0, 0), QRgb(0));
    QCOMPARE(adapted.pixel(1, 0), qRgba(255, 255, 254, 255));
    QCOMPARE(adapted.pixel(2, 0), QRgb(0));
    // Without alpha nothing is made transparent and the picture is kept at 24 bits.
    QCOMPARE(skin.Masks[1].Picture.format(), QImage::Format_RGB888);
    QCOMPARE(skin.Masks[1].Picture.pixel(0, 0), qRgb(255, 255, 255));
}

void TestSkinData::masterBitmapIsTwentyFourBits() {
    QImage master = Filled(20, 10, qRgb(255, 0, 255));
    master.setPixel(3, 4, qRgb(1, 2, 3));
    const SkinContent skin = Load(QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
                                                 "[FORM]\r\nIMG=master.bmp\r\n"),
                                  {{QStringLiteral("Master.bmp"), ImageBytes(master, "BMP")}});
    QCOMPARE(skin.MasterBitmap.format(), QImage::Format_RGB888);
    QCOMPARE(skin.MasterBitmap.pixel(3, 4), qRgb(1, 2, 3));
    QCOMPARE(skin.MasterBitmap.pixel(0, 0), qRgb(255, 0, 255));
    // The key naming the master is no mask of its own; the same file named elsewhere is.
    QCOMPARE(skin.Masks.size(), std::size_t(1));
    QCOMPARE(skin.Masks[0].SectionName, QStringLiteral("FORM"));
}

void TestSkinData::jpegPatternsAndTextures_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("pattern");
    QTest::newRow("300 x 300") << 300 << 300 << true;
    QTest::newRow("299 x 300") << 299 << 300 << false;
    QTest::newRow("16 x 16") << 16 << 16 << false;
}

void TestSkinData::jpegPatternsAndTextures() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, pattern);
    const SkinContent skin =
        Load(QStringLiteral("[Panel]\r\nPattern=wood.jpg\r\nHotPattern=MISSING.JPG\r\n"),
             {{QStringLiteral("WOOD.JPG"), ImageBytes(Filled(width, height, qRgb(128, 128, 128)), "JPEG")}});
    QCOMPARE(skin.Patterns.size(), std::size_t(pattern ? 1 : 0));
    QCOMPARE(skin.Masks.size(), std::size_t(pattern ? 0 : 1));
    if (pattern) {
        QCOMPARE(skin.Patterns[0].SectionName, QStringLiteral("PANEL"));
        QCOMPARE(skin.Patterns[0].PropertyName, QStringLiteral("PATTERN"));
        QCOMPARE(skin.Patterns[0].Photo.size(), QSize(width, height));
        return;
    }
    const TsMaskData& texture = skin.Masks[0];
    QCOMPARE(Describe(texture), QStringLiteral("PANEL.PATTERN type1 slice0,0,0,0 images1 mask0 width0 mode0 "
                                               "margins0,0,0,0 picture"));
    QCOMPARE(texture.Picture.size(), QSize(width, height));
}

void TestSkinData::sectionDefaults() {
    const SkinContent skin = Load(QStringLiteral("[EMPTY]\r\n"));
    const TsGeneralData& s = skin.Sections.at(0);
    QCOMPARE(s.Name, QStringLiteral("EMPTY"));
    QCOMPARE(s.ParentClass, QString());
    QCOMPARE(s.Color, 16777215);
    QCOMPARE(s.FontColor, 0);
    QCOMPARE(s.TCLeft, -1);
    QCOMPARE(s.HotTCBottom, -1);
    QCOMPARE(s.FadingIterations, 5);
    QCOMPARE(s.HotColor, 16777215);
    QCOMPARE(s.GradientData, QStringLiteral(" "));
    QVERIFY(s.GradientSteps.empty());
    QCOMPARE(s.HotGradientData, QString());
    QVERIFY(!s.GiveOwnFont && !s.ShowFocus && !s.FadingEnabled && !s.ReservedBoolean);
    QCOMPARE(s.BorderMaskIndex, -1);
    QCOMPARE(s.ImgTopLeft, -1);
    QCOMPARE(s.ImgBottomRight, -1);
}

void TestSkinData::inheritedValues_data() {
    QTest::addColumn<QString>("edit");  // lines of section EDIT, whose parent is BUTTON (COLOR 255, GLOW 2)
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing colour from parent") << ""
                                                << "Color" << 255;
    QTest::newRow("colour -1 from parent") << "COLOR=-1"
                                           << "Color" << 255;
    QTest::newRow("own colour") << "COLOR=65280"
                                << "Color" << 65280;
    QTest::newRow("system colour to RGB") << "COLOR=-2147483633"
                                          << "Color" << 0xF0F0F0;
    QTest::newRow("hot colour as written") << "HOTCOLOR=-2147483633"
                                           << "HotColor" << -2147483633;
    QTest::newRow("integer from parent") << ""
                                         << "GlowCount" << 2;
    QTest::newRow("default beyond parent") << ""
                                           << "FadingIterations" << 5;
    QTest::newRow("empty value is the default") << "FADINGITERATIONS="
                                                << "FadingIterations" << 5;
    QTest::newRow("boolean from parent") << ""
                                         << "ShowFocus" << 1;
    QTest::newRow("boolean any case") << "SHOWFOCUS=fAlSe\r\nFADINGENABLED=True"
                                      << "FadingEnabled" << 1;
    QTest::newRow("boolean not TRUE") << "FADINGENABLED=yes"
                                      << "FadingEnabled" << 0;
}

void TestSkinData::inheritedValues() {
    QFETCH(QString, edit);
    QFETCH(QString, field);
    QFETCH(int, expected);
    const SkinContent skin = Load(QStringLiteral("[BUTTON]\r\nCOLOR=255\r\nGLOW=2\r\nSHOWFOCUS=TRUE\r\n"
                                                 "[EDIT]\r\nPARENTCLASS=button\r\n") +
                                  edit);
    const TsGeneralData& e = skin.Sections.at(1);
    QCOMPARE(e.ParentClass, QStringLiteral("button"));
    const std::map<QString, int> fields = {
        {"Color", e.Color},         {"HotColor", e.HotColor},           {"GlowCount", e.GlowCount},
        {"ShowFocus", e.ShowFocus}, {"FadingEnabled", e.FadingEnabled}, {"FadingIterations", e.FadingIterations},
    };
    QCOMPARE(fields.at(field), expected);
}

void TestSkinData::parentLoopEndsLookup() {
    const SkinContent skin =
        Load(QStringLiteral("[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=A\r\n"
                            "[C]\r\nPARENTCLASS=C\r\nCOLOR=-1\r\n"));
    QCOMPARE(skin.Sections.at(0).Color, 16777215);
    QCOMPARE(skin.Sections.at(2).Color, 16777215);
    QCOMPARE(skin.MaskIndexOf(0, QStringLiteral("A"), QStringLiteral("BORDERSMASK")), -1);
}

void TestSkinData::gradients_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("steps");
    QTest::newRow("one vertical step") << "16777215;0;100;0;0"
                                       << "16777215>0 100% d0";
    QTest::newRow("incomplete group dropped") << "16777215;0;100;0"
                                              << "";
    QTest::newRow("two steps") << "255;65280;40;1;9;65280;16711680;60;0;0;7"
                               << "255>65280 40% d1, 65280>16711680 60% d0";
    QTest::newRow("share capped") << "1;2;150;0;0"
                                  << "1>2 100% d0";
    QTest::newRow("trailing separator") << "1;2;30;2;0;"
                                        << "1>2 30% d2";
}

void TestSkinData::gradients() {
    QFETCH(QString, data);
    QFETCH(QString, steps);
    const SkinContent skin = Load(QStringLiteral("[P]\r\nGRADIENTDATA=%1\r\nHOTGRADIENTDATA=%1\r\n").arg(data));
    for (const TsGradArray* parsed : {&skin.Sections[0].GradientSteps, &skin.Sections[0].HotGradientSteps}) {
        QStringList described;
        for (const GradientStep& step : *parsed) {
            described << QStringLiteral("%1>%2 %3% d%4")
                             .arg(step.FromColor)
                             .arg(step.ToColor)
                             .arg(step.Share)
                             .arg(step.Direction);
        }
        QCOMPARE(described.join(QStringLiteral(", ")), steps);
    }
}

void TestSkinData::globalFacts() {
    const TsSkinData defaults = Load(QStringLiteral("[GLOBALINFO]\r\nVERSION=six\r\n")).SkinData;
    QCOMPARE(defaults.Version, 0.0);
    QCOMPARE(defaults.Shadow1Blur, -1);
    QCOMPARE(defaults.BISpace, 0);
    QCOMPARE(defaults.Author, QString());

    // Free text may hold a "#": it is no slice of the master bitmap.
    const SkinContent skin =
        Load(QStringLiteral("[GLOBALINFO]\r\nVERSION=6.25\r\nAUTHOR=驾校 #1\r\n"
                            "DESCRIPTION=Skin #2 by me\r\nSHADOW1BLUR=3\r\n"
                            "SHADOW1OFFSET=2\r\nBISPACE=4\r\nBICONCLOSEGLOW=1\r\n"
                            "BICONMINGLOWMARGIN=6\r\n[EDIT]\r\nPARENTCLASS=#1\r\n"));
    QVERIFY(skin.Masks.empty());
    const TsSkinData& facts = skin.SkinData;
    QCOMPARE(facts.Version, 6.25);
    QCOMPARE(facts.Author, QStringLiteral("驾校 #1"));
    QCOMPARE(facts.Description, QStringLiteral("Skin #2 by me"));
    QCOMPARE(facts.Shadow1Blur, 3);
    QCOMPARE(facts.Shadow1Offset, 2);
    QCOMPARE(facts.BISpace, 4);
    QCOMPARE(facts.BICloseGlow, 1);
    QCOMPARE(facts.BIMinGlowMargin, 6);
}

void TestSkinData::borderMaskFollowsParent() {
    const SkinContent skin =
        Load(QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nBORDERSMASK=#(0,0,9,9)(1,0)\r\n"
                            "[BUTTON]\r\nBORDERSMASK=#(0,0,30,30)(1,0)\r\n"
                            "IMGTOPLEFT=@0000,0000,0010,0010,1,0\r\n"
                            "[EDIT]\r\nPARENTCLASS=BUTTON\r\n"
                            "[MEMO]\r\nPARENTCLASS=EDIT\r\nBORDERSMASK=#(0,0,60,60)(1,0)\r\n"),
             kFrame);
    QCOMPARE(skin.Sections[0].BorderMaskIndex, -1);
    QCOMPARE(skin.Sections[1].BorderMaskIndex, 1);
    QCOMPARE(skin.Sections[1].ImgTopLeft, 2);
    QCOMPARE(skin.Sections[2].BorderMaskIndex, 1);
    QCOMPARE(skin.Sections[2].ImgTopLeft, 2);
    QCOMPARE(skin.Sections[3].BorderMaskIndex, 3);
    QCOMPARE(skin.Sections[3].ImgTopRight, -1);
}

void TestSkinData::lookups() {
    const SkinContent skin =
        Load(QStringLiteral("[BUTTON]\r\nPATTERN=~0000,0000,0010,0010,00\r\nGLYPHMASK=@0000,0000,0010,0010,1,0\r\n"
                            "BIG=BIG.JPG\r\n[EDIT]\r\nPARENTCLASS=BUTTON\r\nHOTPATTERN=#(0,0,9,9)(1,0)\r\n"
                            "[Edit]\r\n[ORPHAN]\r\nPARENTCLASS=NOBODY\r\n") +
                 kNamesMaster,
             {kFrame[1], {QStringLiteral("BIG.JPG"), ImageBytes(Filled(300, 300, qRgb(9, 9, 9)), "JPEG")}});
    QCOMPARE(skin.SectionIndexOf(QStringLiteral("EDIT")), 1);
    QCOMPARE(skin.SectionIndexOf(QStringLiteral("Edit")), 2);
    QCOMPARE(skin.SectionIndexOf(QStringLiteral("edit")), -1);
    QCOMPARE(skin.MaskIndexOf(1, QStringLiteral("EDIT"), QStringLiteral("GLYPHMASK")), 1);
    QCOMPARE(skin.MaskIndexOf(-1, QStringLiteral("EDIT"), QStringLiteral("GLYPHMASK")), -1);
    QCOMPARE(skin.MaskIndexOf(1, QString(), QStringLiteral("GLYPHMASK")), -1);
    QCOMPARE(skin.MaskIndexOf(3, QStringLiteral("ORPHAN"), QStringLiteral("GLYPHMASK")), -1);
    QCOMPARE(skin.OwnMaskIndexOf(QStringLiteral("EDIT"), QStringLiteral("GLYPHMASK")), -1);
    QCOMPARE(skin.TextureIndexOf(1, QStringLiteral("EDIT"), QStringLiteral("PATTERN")), 0);
    // The edit's own HOTPATTERN is a border, not a texture.
    QCOMPARE(skin.MaskIndexOf(1, QStringLiteral("EDIT"), QStringLiteral("HOTPATTERN")), 2);
    QCOMPARE(skin.TextureIndexOf(1, QStringLiteral("EDIT"), QStringLiteral("HOTPATTERN")), -1);
    QCOMPARE(skin.PatternIndexOf(1, QStringLiteral("EDIT"), QStringLiteral("BIG")), 0);
    QCOMPARE(skin.PatternIndexOf(0, QStringLiteral("BUTTON"), QStringLiteral("SMALL")), -1);
}

void TestSkinData::cachedIndexes() {
    const SkinContent skin =
        Load(QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nBOXCHECKED=@0000,0000,0030,0010,3,0\r\n"
                            "RADIOGRAYED=@0000,0000,0030,0010,3,0\r\n"
                            "[SCROLLBTNTOP]\r\nBORDERSMASK=#(0,0,9,9)(1,0)\r\n"
                            "[SCROLLSLIDERH]\r\nPARENTCLASS=SCROLLBTNTOP\r\n"
                            "[COMBOBOX]\r\nGLYPHMASK=@0000,0000,0030,0010,3,0\r\n"),
             kFrame);
    const SkinIndexes& c = skin.CachedIndexes;
    QCOMPARE(c.GlobalInfo, 0);
    QCOMPARE(c.BoxChecked, 0);
    QCOMPARE(c.RadioGrayed, 1);
    QCOMPARE(c.BoxUnchecked, -1);
    QCOMPARE(c.ScrollButtons[SkinIndexes::ScrollBtnTop].Section, 1);
    QCOMPARE(c.ScrollButtons[SkinIndexes::ScrollBtnTop].BordersMask, 2);
    QCOMPARE(c.ScrollButtons[SkinIndexes::ScrollSliderH].BordersMask, 2);
    QCOMPARE(c.ScrollButtons[SkinIndexes::ScrollSliderH].GlyphMask, -1);
    QCOMPARE(c.ComboBoxGlyph, 3);
    QCOMPARE(c.ComboBtn.Section, -1);
    QCOMPARE(c.Tabs[SkinIndexes::TabLeft].Section, -1);
}

void TestSkinData::borderWidthsAndGlyphSize_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");  // left top right bottom, glyph width x height
    QTest::newRow("given margins") << "^0000,0000,0090,0060,0005,0006,0007,0008,3,1,4,2"
                                   << "5 6 7 8, 30x30";
    QTest::newRow("border width") << "#(0,0,90,60)(3,1,4)"
                                  << "4 4 4 4, 30x30";
    QTest::newRow("glyph computes") << "@0000,0000,0090,0060,3,1"
                                    << "10 10 10 10, 30x30";
    QTest::newRow("zero image count") << "@0000,0000,0090,0060,0,0"
                                      << "30 20 30 20, 90x60";
    QTest::newRow("own picture") << "!FRAME.BMP!2!0!2"
                                 << "15 20 15 20, 30x30";
}

void TestSkinData::borderWidthsAndGlyphSize() {
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const SkinContent skin =
        Load(QStringLiteral("[BUTTON]\r\nM=") + value + QStringLiteral("\r\n") + kNamesMaster, kFrame);
    const TsMaskData& m = skin.Masks.at(0);
    const QSize glyph = m.GlyphSize();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4, %5x%6")
                 .arg(m.BorderLeft())
                 .arg(m.BorderTop())
                 .arg(m.BorderRight())
                 .arg(m.BorderBottom())
                 .arg(glyph.width())
                 .arg(glyph.height()),
             expected);
}

void TestSkinData::colourShift() {
    QCOMPARE(ColorShift::Shift(0x0000FF, 120, 0), 0x00FF00);  // red turns green
    QCOMPARE(ColorShift::Shift(0xFF00FF, 120, 0), 0xFF00FF);  // transparent stays
    QCOMPARE(ColorShift::Shift(-1, 120, 0), -1);
    QCOMPARE(ColorShift::Shift(0x0000FF, 0, -100), 0xFFFFFF);  // without saturation, bright red is white
}

// Slices reaching past their picture are cut at its edge and their margins at one state image; one wholly
// outside its picture, or in a master bitmap the skin does not name, is dropped.
void TestSkinData::slicesFitTheirPicture() {
    const QString options = QStringLiteral(
        "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
        "[HUGE]\r\nBORDERSMASK=#(0,0,30000,30000)(1,0,15000)\r\nIMGTOPLEFT=@0100,0100,0200,0200,1,0\r\n"
        "[OWN]\r\nBORDERSMASK=!FRAME.BMP!3!0!0!15000!2!3!999999\r\n");
    const SkinContent skin = Load(options, kFrame);
    QCOMPARE(skin.Masks.size(), std::size_t(2));
    QCOMPARE(Describe(skin.Masks[0]),
             QStringLiteral("HUGE.BORDERSMASK type0 slice0,0,120,60 images1 mask0 width60 mode1 margins120,60,120,60"));
    QCOMPARE(
        Describe(skin.Masks[1]),
        QStringLiteral("OWN.BORDERSMASK type0 slice0,0,90,60 images3 mask0 width0 mode4 margins30,2,3,60 picture"));
    QCOMPARE(skin.Sections.at(1).ImgTopLeft, -1);

    const SkinContent withoutMaster = Load(QStringLiteral("[HUGE]\r\nBORDERSMASK=#(0,0,30000,30000)(1,0)\r\n"));
    QVERIFY(withoutMaster.Masks.empty());
}

// Glow margins and the label shadow are held within their bounds, whatever the skin declares.
void TestSkinData::declaredSizesAreBounded() {
    const SkinContent skin =
        Load(QStringLiteral("[GLOBALINFO]\r\nBICONCLOSEGLOWMARGIN=-999999\r\nBICONMAXGLOWMARGIN=15000\r\n"
                            "BICONMINGLOWMARGIN=6\r\nSHADOW1OFFSET=1000000\r\nSHADOW1BLUR=1000000\r\n"
                            "[BUTTON]\r\nGLOWMARGIN=15000\r\n[EDIT]\r\nGLOWMARGIN=-3\r\n"));
    const int bound = SkinLimits::kGlowMargin;
    QCOMPARE(skin.SkinData.BICloseGlowMargin, -bound);
    QCOMPARE(skin.SkinData.BIMaxGlowMargin, bound);
    QCOMPARE(skin.SkinData.BIMinGlowMargin, 6);
    QCOMPARE(skin.SkinData.Shadow1Offset, SkinLimits::kShadowReach);
    QCOMPARE(skin.SkinData.Shadow1Blur, SkinLimits::kShadowReach);
    QCOMPARE(skin.Sections.at(1).GlowMargin, bound);
    QCOMPARE(skin.Sections.at(2).GlowMargin, -3);
}

void TestSkinData::oversizedOptionsAreRefused_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QByteArray sections;
    for (std::size_t i = 0; i <= SkinLimits::kSections; ++i)
        sections += "[S" + QByteArray::number(static_cast<qulonglong>(i)) + "]\r\n";
    QTest::newRow("too many sections") << sections << QStringLiteral("节数超过");
    QTest::newRow("text too long") << QByteArray("[A]\r\nX=") + QByteArray(SkinLimits::kOptionsBytes, 'x')
                                   << QStringLiteral("过长");
}

void TestSkinData::oversizedOptionsAreRefused() {
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QStringList warnings;
    try {
        SkinLoader::FromFolder(text, QStringLiteral("/nonexistent/"), {}, warnings);
        QFAIL("the options loaded");
    } catch (const SkinError& error) {
        QVERIFY2(error.Message().contains(message), qPrintable(error.Message()));
    }
}

// Four thousand sections, each the parent of the next: every one inherits the first one's colour and
// border, and the chain is resolved once rather than walked again for every section and key.
void TestSkinData::longParentChainResolvesOnce() {
    QString options = QStringLiteral(
        "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
        "[S0]\r\nCOLOR=255\r\nBORDERSMASK=#(0,0,9,9)(1,0)\r\n");
    for (int i = 1; i < 4000; ++i)
        options += QStringLiteral("[S%1]\r\nPARENTCLASS=S%2\r\n").arg(i).arg(i - 1);
    const SkinContent skin = Load(options, {{QStringLiteral("MASTER.BMP"), ImageBytes(Filled(10, 10, 0), "BMP")}});
    QCOMPARE(skin.Sections.size(), std::size_t(4001));
    QCOMPARE(skin.Sections.back().Name, QStringLiteral("S3999"));
    QCOMPARE(skin.Sections.back().Color, 255);
    QCOMPARE(skin.Sections.back().BorderMaskIndex, 0);
}

QV_TEST_MAIN(TestSkinData)
#include "tst_skindata.moc"
