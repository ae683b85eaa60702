// Skinned controls: what they compose into their pictures, what they take from their parents, and how hot,
// disabled and custom states change the picture.
#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/controls/Fader.h"
#include "skin/controls/TsButton.h"
#include "skin/controls/TsCheckBox.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabel.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/frame/WindowHook.h"

namespace {

// The master bitmap: a 6×6 border of colour (1,1,1) at (0,0), a checked glyph (200,0,0) at (10,0) and an
// unchecked one (0,0,200) at (14,0), each 3×3.
QByteArray MasterBitmap() {
    QImage master = SkinFixtures::Filled(20, 8, qRgb(90, 90, 90));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x)
            master.setPixel(x, y, qRgb(1, 1, 1));
    }
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            master.setPixel(10 + x, y, qRgb(200, 0, 0));
            master.setPixel(14 + x, y, qRgb(0, 0, 200));
        }
    }
    return SkinFixtures::ImageBytes(master, "BMP");
}

const char* const kOptions = R"([GLOBALINFO]
MASTERBITMAP=MASTER.BMP
COLOR=8421504
FONTCOLOR=65280
BOXCHECKED=@0010,0000,0013,0003,1,0
BOXUNCHECKED=@0014,0000,0017,0003,1,0
[OUTER]
GRADIENTPERCENT=100
GRADIENTDATA=16777215;0;100;0;0
[THROUGH]
TRANSPARENCY=100
[HALF]
COLOR=255
TRANSPARENCY=40
[EDIT]
COLOR=16777215
[GROUPBOX]
COLOR=255
BORDERSMASK=#(0,0,6,6)(1,0,1,0)
[WEBBUTTON]
COLOR=16777215
HOTCOLOR=16777215
[TEXT]
COLOR=16777215
FONTCOLOR=16711680
TCLEFT=255
[FADER]
COLOR=0
HOTCOLOR=16777215
FADINGENABLED=TRUE
FADINGITERATIONS=4
[GLOWER]
COLOR=0
GLOW=1
GLOW0=#(0,0,6,6)(1,0,1,0)
[CHECKBOX]
TRANSPARENCY=100
[GIVER]
COLOR=16777215
FONTCOLOR=255
GIVEOWNFONT=TRUE
)";

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// The colours a picture holds anywhere.
QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(Pixel(image, x, y));
    }
    return colours;
}

void Hover(QWidget* widget, bool over) {
    if (over) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
    }
}

}  // namespace

class TestSkinControls : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void transparentPanelsShowTheOuterPixels();
    void halfTransparentPanelBlendsWithParent();
    void stateColorMovesTowardsParent_data();
    void stateColorMovesTowardsParent();
    void childOfPlainParentShowsWhatParentPaints();
    void webButtonUnderlinesOnlyWhileHot();
    void textTakesContourAndDisabledColours();
    void disabledEditBlendsHalfWithPlainParent();
    void disabledPanelKeepsFortyPercentOverPicture();
    void shadowBlendsByIntensity_data();
    void shadowBlendsByIntensity();
    void customColorGroupBoxKeepsItsBorder();
    void checkBoxGlyphFollowsCheckState();
    void hotStateFadesInSteps();
    void fadeWeights_data();
    void fadeWeights();
    void glowShownWhileHot();
    void glowEndsWhenSomethingElseHappens_data();
    void glowEndsWhenSomethingElseHappens();
    void enterPressesFocusedButton();
    void labelTakesAncestorFontColour();
    void effectLabelTakesSkinShadowAndColour();
    void removedSkinGivesPlainLook();
    void shippedButtonFaceMeetsItsBorder();

private:
    TsSpeedButton* ShowGlowing();
    template <typename T, typename... Args>
    T* Make(const char* section, Args&&... args) {
        auto* control = new T(std::forward<Args>(args)...);
        control->SkinData().SetSkinSection(QString::fromLatin1(section));
        return control;
    }

    std::unique_ptr<TestAppDir> dir_;
    std::unique_ptr<TsSkinManager> manager_;
    std::unique_ptr<QWidget> form_;
};

void TestSkinControls::init() {
    dir_ = std::make_unique<TestAppDir>(TestAppDir::NoBanks);
    dir_->WriteFile(QStringLiteral("t.asz"), SkinFixtures::Package(QString::fromLatin1(kOptions),
                                                                   {{QStringLiteral("MASTER.BMP"), MasterBitmap()}}));
    WindowHook::Install();
    manager_ = std::make_unique<TsSkinManager>();
    manager_->SetSkinDirectory(dir_->Path());
    manager_->SetSkinName(QStringLiteral("t"));
    QVERIFY(manager_->SkinData().SkinReady);
    form_ = std::make_unique<QWidget>();
    form_->setAutoFillBackground(true);
    QPalette colours = form_->palette();
    colours.setColor(QPalette::Window, QColor(0, 0, 0));
    form_->setPalette(colours);
    form_->resize(200, 120);
}

void TestSkinControls::cleanup() {
    form_.reset();
    manager_.reset();
    dir_.reset();
}

// A transparent panel with a thin border passes the question on: two of them nested inside a panel with a
// gradient show exactly the gradient's pixels at their place.
void TestSkinControls::transparentPanelsShowTheOuterPixels() {
    auto* outer = Make<TsPanel>("OUTER", form_.get());
    outer->setGeometry(0, 0, 100, 100);
    auto* middle = Make<TsPanel>("THROUGH", outer);
    middle->setGeometry(10, 20, 60, 60);
    auto* inner = Make<TsPanel>("THROUGH", middle);
    inner->setGeometry(5, 7, 30, 30);
    form_->grab();

    const QImage& parent = outer->SkinData().CacheBitmap();
    const QImage& child = inner->SkinData().CacheBitmap();
    QCOMPARE(child.size(), QSize(30, 30));
    QVERIFY(Pixel(parent, 0, 0) != Pixel(parent, 0, 99));
    for (int y = 0; y < child.height(); ++y) {
        for (int x = 0; x < child.width(); ++x)
            QCOMPARE(Pixel(child, x, y), Pixel(parent, 15 + x, 27 + y));
    }
}

// k = 40 × 255 div 100 = 102: each channel (parent × 102 + own × 153 + 127) div 256, over the gradient.
void TestSkinControls::halfTransparentPanelBlendsWithParent() {
    auto* outer = Make<TsPanel>("OUTER", form_.get());
    outer->setGeometry(0, 0, 100, 100);
    auto* half = Make<TsPanel>("HALF", outer);
    half->setGeometry(10, 30, 20, 20);
    form_->grab();
    const QRgb under = Pixel(outer->SkinData().CacheBitmap(), 12, 35);
    const QRgb blended = Pixel(half->SkinData().CacheBitmap(), 2, 5);
    QCOMPARE(qRed(blended), (qRed(under) * 102 + 255 * 153 + 127) / 256);
    QCOMPARE(qGreen(blended), (qGreen(under) * 102 + 127) / 256);
}

void TestSkinControls::stateColorMovesTowardsParent_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("expected");
    // The form behind is black.
    QTest::newRow("opaque") << "EDIT" << false << 0xFFFFFF;
    QTest::newRow("transparent") << "THROUGH" << false << 0;
    QTest::newRow("40 % towards the parent") << "HALF" << false << 153;  // 255 × 60 %
    QTest::newRow("own colour") << "HALF" << true << 0x00FF00;
}

void TestSkinControls::stateColorMovesTowardsParent() {
    QFETCH(QString, section);
    QFETCH(bool, custom);
    QFETCH(int, expected);
    auto* panel = Make<TsPanel>(qPrintable(section), form_.get());
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor(0, 255, 0));
    panel->setPalette(colours);
    panel->SkinData().SetCustomColor(custom);
    QCOMPARE(panel->SkinData().StateColor(false), expected);
}

// A parent that is not skinned paints itself, and the siblings below the control, under it.
void TestSkinControls::childOfPlainParentShowsWhatParentPaints() {
    auto* picture = new QWidget(form_.get());
    picture->setAutoFillBackground(true);
    QPalette colours = picture->palette();
    colours.setColor(QPalette::Window, QColor(10, 20, 30));
    picture->setPalette(colours);
    picture->setGeometry(0, 0, 50, 120);
    auto* box = Make<TsCheckBox>("CHECKBOX", QString(), form_.get());
    box->setGeometry(40, 10, 30, 20);
    form_->grab();
    const QImage& cache = box->SkinData().CacheBitmap();
    QCOMPARE(Pixel(cache, 5, 19), qRgb(10, 20, 30) & 0xFFFFFF);  // over the picture
    QCOMPARE(Pixel(cache, 15, 19), 0u);                          // over the black form
}

void TestSkinControls::webButtonUnderlinesOnlyWhileHot() {
    auto* button = Make<TsSpeedButton>("WEBBUTTON", QStringLiteral("WWWW"), form_.get());
    button->setGeometry(0, 0, 80, 30);
    button->grab();
    const QImage normal = button->SkinData().CacheBitmap();
    Hover(button, true);
    button->grab();
    const QImage hot = button->SkinData().CacheBitmap();
    Hover(button, false);
    button->grab();
    QCOMPARE(button->SkinData().CacheBitmap(), normal);
    QVERIFY(hot != normal);
    // The glyphs themselves are the same: only rows below the text's base line differ.
    const int baseline = (30 + button->fontMetrics().height()) / 2 - button->fontMetrics().descent();
    for (int y = 0; y < baseline - 1; ++y) {
        for (int x = 0; x < 80; ++x)
            QCOMPARE(Pixel(hot, x, y), Pixel(normal, x, y));
    }
}

// Enabled: the left contour colour and the font colour both show. Disabled: one pass in the font colour
// blended 40 % with the global colour (blue 255 and grey 128: 0.4 × 255 + 0.6 × 128 = 178.8).
void TestSkinControls::textTakesContourAndDisabledColours() {
    auto* button = Make<TsSpeedButton>("TEXT", QStringLiteral("■■"), form_.get());
    button->setGeometry(0, 0, 80, 30);
    QFont solid = button->font();
    solid.setStyleStrategy(QFont::NoAntialias);
    button->setFont(solid);
    button->grab();
    QSet<QRgb> enabled = Colours(button->SkinData().CacheBitmap());
    QVERIFY(enabled.contains(qRgb(255, 0, 0) & 0xFFFFFF));
    QVERIFY(enabled.contains(qRgb(0, 0, 255) & 0xFFFFFF));
    button->setEnabled(false);
    button->SkinData().DisabledKind = 0;
    button->grab();
    const QSet<QRgb> disabled = Colours(button->SkinData().CacheBitmap());
    QVERIFY(!disabled.contains(qRgb(255, 0, 0) & 0xFFFFFF));
    QVERIFY(disabled.contains(qRgb(77, 77, 179) & 0xFFFFFF));
}

// (255 × 50 + 0 × 50 + 50) div 100 = 128 on the black form.
void TestSkinControls::disabledEditBlendsHalfWithPlainParent() {
    auto* edit = Make<TsEdit>("EDIT", form_.get());
    edit->setGeometry(0, 0, 60, 20);
    edit->setEnabled(false);
    edit->grab();
    QCOMPARE(Pixel(edit->SkinData().CacheBitmap(), 55, 10), qRgb(128, 128, 128) & 0xFFFFFF);
}

// Over a parent's picture a disabled control keeps 40 % of itself: (255 × 40 + parent × 60 + 50) div 100.
void TestSkinControls::disabledPanelKeepsFortyPercentOverPicture() {
    auto* outer = Make<TsPanel>("OUTER", form_.get());
    outer->setGeometry(0, 0, 100, 100);
    auto* inner = Make<TsPanel>("EDIT", outer);
    inner->setGeometry(10, 40, 20, 20);
    inner->setEnabled(false);
    form_->grab();
    const int parent = qRed(Pixel(outer->SkinData().CacheBitmap(), 15, 50));
    QCOMPARE(qRed(Pixel(inner->SkinData().CacheBitmap(), 5, 10)), (255 * 40 + parent * 60 + 50) / 100);
}

void TestSkinControls::shadowBlendsByIntensity_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("expected");       // of old 200 under shadow 0
    QTest::newRow("no shadow") << 0 << 199;  // 200 × 255 div 256
    QTest::newRow("half") << 128 << 99;
    QTest::newRow("full") << 255 << 0;
}

void TestSkinControls::shadowBlendsByIntensity() {
    QFETCH(int, k);
    QFETCH(int, expected);
    QCOMPARE(Pixels::ShadowOver({200, 200, 200}, {0, 0, 0}, k).R, expected);
}

void TestSkinControls::customColorGroupBoxKeepsItsBorder() {
    auto* box = Make<TsGroupBox>("GROUPBOX", QString(), form_.get());
    box->setGeometry(0, 0, 60, 50);
    box->SetColor(QColor(0, 200, 0));
    box->SkinData().SetCustomColor(true);
    box->grab();
    const QImage& cache = box->SkinData().CacheBitmap();
    const int top = box->CaptionRect().height() / 2;
    QCOMPARE(Pixel(cache, 30, 30), qRgb(0, 200, 0) & 0xFFFFFF);
    QCOMPARE(Pixel(cache, 0, 30), qRgb(1, 1, 1) & 0xFFFFFF);
    QCOMPARE(Pixel(cache, 50, top), qRgb(1, 1, 1) & 0xFFFFFF);
    QCOMPARE(Pixel(cache, 5, 0), 0u);  // the band above the box shows the black form
}

void TestSkinControls::checkBoxGlyphFollowsCheckState() {
    auto* box = Make<TsCheckBox>("CHECKBOX", QString(), form_.get());
    box->setGeometry(0, 0, 20, 9);
    box->grab();
    QCOMPARE(Pixel(box->SkinData().CacheBitmap(), 1, 4), qRgb(0, 0, 200) & 0xFFFFFF);
    box->setChecked(true);
    box->grab();
    QCOMPARE(Pixel(box->SkinData().CacheBitmap(), 1, 4), qRgb(200, 0, 0) & 0xFFFFFF);
}

void TestSkinControls::hotStateFadesInSteps() {
    auto* button = Make<TsSpeedButton>("FADER", QString(), form_.get());
    button->setGeometry(0, 0, 20, 20);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    Hover(button, false);
    button->grab();
    QCOMPARE(Pixel(button->SkinData().CacheBitmap(), 5, 5), 0u);
    Hover(button, true);
    // The first frame keeps 255 − 0 of the old black picture.
    QImage frame = button->grab().toImage();
    QCOMPARE(Pixel(frame, 5, 5), 0u);
    QTRY_COMPARE(Pixel(button->grab().toImage(), 5, 5), 0xFFFFFFu);
}

void TestSkinControls::fadeWeights_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<int>("weight");
    QTest::newRow("start") << 0 << 5 << 255;
    QTest::newRow("step 1 of 5") << 1 << 5 << 204;  // 255 − 256 div 5
    QTest::newRow("last step") << 5 << 5 << 0;      // 255 − 256, clamped
    QTest::newRow("no iterations") << 1 << 0 << 0;
}

void TestSkinControls::fadeWeights() {
    QFETCH(int, level);
    QFETCH(int, iterations);
    QFETCH(int, weight);
    QCOMPARE(Fader::OldWeight(level, iterations), weight);
}

// A glowing control on the active form, with the pointer resting on it.
TsSpeedButton* TestSkinControls::ShowGlowing() {
    auto* button = Make<TsSpeedButton>("GLOWER", QString(), form_.get());
    button->setGeometry(10, 10, 40, 20);
    form_->show();
    form_->activateWindow();
    if (!QTest::qWaitForWindowActive(form_.get()))
        return nullptr;
    QCursor::setPos(button->mapToGlobal(QPoint(20, 10)));
    Hover(button, true);
    return button;
}

void TestSkinControls::glowShownWhileHot() {
    auto* plain = Make<TsSpeedButton>("TEXT", QString(), form_.get());
    plain->setGeometry(60, 10, 40, 20);
    TsSpeedButton* button = ShowGlowing();
    QVERIFY(button != nullptr);
    QVERIFY(button->SkinData().Glowing());
    QCursor::setPos(plain->mapToGlobal(QPoint(20, 10)));
    Hover(plain, true);
    QVERIFY(!plain->SkinData().Glowing());
    Hover(button, false);
    QVERIFY(!button->SkinData().Glowing());
}

// A glow lasts only while the pointer rests on its control: whatever else happens takes it away, and a
// control whose window is not the one in use shows none.
void TestSkinControls::glowEndsWhenSomethingElseHappens_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("a click elsewhere") << "click";
    QTest::newRow("a key") << "key";
    QTest::newRow("another window") << "window";
    QTest::newRow("its window deactivated") << "deactivate";
}

void TestSkinControls::glowEndsWhenSomethingElseHappens() {
    QFETCH(QString, what);
    TsSpeedButton* button = ShowGlowing();
    QVERIFY(button != nullptr);
    QVERIFY(button->SkinData().Glowing());
    QWidget other;
    other.resize(50, 50);
    if (what == QLatin1String("click")) {
        QTest::mouseClick(form_.get(), Qt::LeftButton, {}, QPoint(150, 100));
    } else if (what == QLatin1String("key")) {
        QTest::keyClick(form_.get(), Qt::Key_Tab);
    } else if (what == QLatin1String("window")) {
        other.show();
    } else {
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(form_.get(), &deactivate);
    }
    QVERIFY(!button->SkinData().Glowing());
    // Back over the control while the other window is in front: nothing to show.
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    Hover(button, false);
    Hover(button, true);
    QVERIFY(!button->SkinData().Glowing());
}

// Outside a dialog too, Enter and Return press the button that has the focus, and nothing else does.
void TestSkinControls::enterPressesFocusedButton() {
    auto* push = Make<TsBitBtn>("TEXT", QStringLiteral("push"), form_.get());
    auto* speed = Make<TsSpeedButton>("GLOWER", QStringLiteral("speed"), form_.get());
    speed->setFocusPolicy(Qt::StrongFocus);
    speed->move(0, 40);
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QSignalSpy pushed(push, &QAbstractButton::clicked);
    QSignalSpy sped(speed, &QAbstractButton::clicked);
    push->setFocus();
    QTest::keyClick(push, Qt::Key_Return);
    QTest::keyClick(push, Qt::Key_Return, Qt::ControlModifier);
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(pushed.count(), 1);
    QCOMPARE(sped.count(), 1);
    speed->setEnabled(false);
    QTest::keyClick(speed, Qt::Key_Return);
    QCOMPARE(sped.count(), 1);
}

// A label takes the font colour of the nearest skinned ancestor that gives its font; over one that does not,
// or on the bare form, the global one.
void TestSkinControls::labelTakesAncestorFontColour() {
    auto* giver = Make<TsPanel>("GIVER", form_.get());
    giver->setGeometry(0, 0, 100, 30);
    auto* keeper = Make<TsPanel>("TEXT", form_.get());
    keeper->setGeometry(0, 40, 100, 30);
    auto* onGiver = new TsLabel(QStringLiteral("x"), giver);
    auto* onKeeper = new TsLabel(QStringLiteral("x"), keeper);
    auto* onForm = new TsLabel(QStringLiteral("x"), form_.get());
    onForm->move(0, 80);
    form_->grab();
    QCOMPARE(onGiver->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(onKeeper->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(onForm->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    onGiver->SetUseSkinColor(false);
    onGiver->SetFontColor(QColor(1, 2, 3));
    onGiver->grab();
    QCOMPARE(onGiver->palette().color(QPalette::WindowText), QColor(1, 2, 3));
}

// SHADOW1BLUR 2 and offset 1 from the skin: the label grows by 1 − (1 − 2) + … = 4 instead of the own 8.
void TestSkinControls::effectLabelTakesSkinShadowAndColour() {
    auto* label = new TsLabelFX(QStringLiteral("■"), form_.get());
    QFont big = label->font();
    big.setPixelSize(24);
    label->setFont(big);
    const QSize own = label->size();
    const QString options = QString::fromLatin1(kOptions).replace(
        QStringLiteral("FONTCOLOR=65280\n"),
        QStringLiteral("FONTCOLOR=65280\nSHADOW1BLUR=2\nSHADOW1OFFSET=1\nTCLEFT=255\n"));
    dir_->WriteFile(QStringLiteral("u.asz"),
                    SkinFixtures::Package(options, {{QStringLiteral("MASTER.BMP"), MasterBitmap()}}));
    manager_->SetSkinName(QStringLiteral("u"));
    QCOMPARE(label->size(), own - QSize(4, 4));
    const QImage picture = label->grab().toImage();
    QVERIFY(Colours(picture).contains(qRgb(255, 0, 0) & 0xFFFFFF));
}

void TestSkinControls::removedSkinGivesPlainLook() {
    auto* panel = Make<TsPanel>("OUTER", form_.get());
    panel->setGeometry(0, 0, 50, 50);
    form_->grab();
    QVERIFY(!panel->SkinData().CacheBitmap().isNull());
    manager_->SetActive(false);
    QVERIFY(!panel->SkinData().IsSkinnedNow());
    QVERIFY(panel->SkinData().CacheBitmap().isNull());
    manager_->SetActive(true);
    QVERIFY(panel->SkinData().IsSkinnedNow());
    form_->grab();
    QVERIFY(!panel->SkinData().CacheBitmap().isNull());
}

// The shipped skin's push button, hot and pressed: its face runs smoothly from top to bottom, the bands of
// its border meeting the gradient between them.
void TestSkinControls::shippedButtonFaceMeetsItsBorder() {
    QVERIFY(QFile::copy(BuiltAppDir() + QStringLiteral("s.asz"), dir_->File(QStringLiteral("s.asz"))));
    manager_->SetSkinName(QStringLiteral("s"));
    QVERIFY(manager_->SkinData().SkinReady);
    auto* button = new TsButton(QString(), form_.get());
    button->setGeometry(0, 0, 120, 60);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    for (const int state : {1, 2}) {
        if (state == 1)
            Hover(button, true);
        else
            button->setDown(true);
        button->grab();
        const QImage& face = button->SkinData().CacheBitmap();
        int steepest = 0, at = 0;
        for (int y = 2; y < face.height() - 1; ++y) {
            const QRgb above = face.pixel(60, y - 1), here = face.pixel(60, y);
            const int step = std::max({std::abs(qRed(here) - qRed(above)), std::abs(qGreen(here) - qGreen(above)),
                                       std::abs(qBlue(here) - qBlue(above))});
            if (step > steepest) {
                steepest = step;
                at = y;
            }
        }
        QVERIFY2(steepest <= 6, qPrintable(QStringLiteral("state %1: a step of %2 at row %3 of %4")
                                               .arg(state)
                                               .arg(steepest)
                                               .arg(at)
                                               .arg(face.height())));
    }
}

QV_TEST_MAIN(TestSkinControls)
#include "tst_skincontrols.moc"
