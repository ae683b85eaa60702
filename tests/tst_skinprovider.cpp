// The skinned window frame on real windows: which title buttons a window gets, the client area inside the
// painted frame, the title buttons' actions, and the plain frame given back when the skin goes.
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/controls/TsPanel.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/frame/TsSkinProvider.h"
#include "skin/frame/WindowHook.h"

namespace {

using Kinds = QList<int>;

// A window as the program makes them: `kind` "main" (fixed size, system menu, minimize and close), "dialog",
// "modal window", "settings" (a fixed dialog frame with close only), "practice" (a dialog that names its
// system menu, minimize and close; "fixed practice" of one size) or "sizeable" (the default frame).
std::unique_ptr<QWidget> MakeForm(const QString& kind) {
    std::unique_ptr<QWidget> form;
    const Qt::WindowFlags customDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (kind == QLatin1String("dialog")) {
        form = std::make_unique<QDialog>();
    } else if (kind == QLatin1String("settings")) {
        form = std::make_unique<QDialog>(nullptr,
                                         customDialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    } else if (kind.endsWith(QLatin1String("practice"))) {
        form = std::make_unique<QDialog>(nullptr, customDialog | Qt::WindowSystemMenuHint |
                                                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    } else if (kind == QLatin1String("modal window")) {
        // Shown modally like a dialog, but a window of its own with every title button (the browser window).
        form = std::make_unique<QDialog>(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                      Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    } else if (kind == QLatin1String("main")) {
        form = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                      Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                                      Qt::WindowCloseButtonHint);
    } else {
        form = std::make_unique<QWidget>();
    }
    form->setWindowTitle(QStringLiteral("窗口"));
    if (kind == QLatin1String("main") || kind == QLatin1String("settings") || kind == QLatin1String("fixed practice"))
        form->setFixedSize(300, 200);
    else
        form->resize(300, 200);
    return form;
}

void Hover(QWidget* form, QPoint at) {
    QCursor::setPos(form->mapToGlobal(at));
    QMouseEvent move(QEvent::MouseMove, at, form->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
}

QList<QRect> ShownGlows() {
    QList<QRect> glows;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("GlowWindow") && window->isVisible())
            glows << window->geometry();
    }
    return glows;
}

}  // namespace

class TestSkinProvider : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsByKindOfWindow_data();
    void buttonsByKindOfWindow();
    void frameSurroundsTheClientArea();
    void closeButtonClosesTheWindow();
    void unloadingGivesTheWindowsBack();
    void onlyOneProviderOnAFormOnly();
    void hoveringATitleButtonRedrawsOnlyTheTitle();
    void hotCloseButtonGlows();
    void plainFormSectionLeavesTheClientAreaToTheForm();
    void skinningRulesChooseByKindOfWindow_data();
    void skinningRulesChooseByKindOfWindow();

private:
    std::unique_ptr<TestAppDir> dir_;
    std::unique_ptr<TsSkinManager> manager_;
};

void TestSkinProvider::init() {
    dir_ = std::make_unique<TestAppDir>(TestAppDir::NoBanks);
    QVERIFY(QFile::copy(BuiltAppDir() + QStringLiteral("s.asz"), dir_->File(QStringLiteral("s.asz"))));
    WindowHook::Install();
    manager_ = std::make_unique<TsSkinManager>();
    manager_->SetSkinDirectory(dir_->Path());
    manager_->SetSkinName(QStringLiteral("s"));
    QVERIFY(manager_->SkinData().SkinReady);
}

void TestSkinProvider::cleanup() {
    manager_.reset();
    dir_.reset();
}

void TestSkinProvider::buttonsByKindOfWindow_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Kinds>("buttons");  // right to left
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("icon");
    const Kinds closeAndMin{TitleButton::Close, TitleButton::Minimize};
    const int single = int(FormBorderStyle::Single), sizeable = int(FormBorderStyle::Sizeable);
    const int dialog = int(FormBorderStyle::Dialog);
    QTest::newRow("main window") << "main" << closeAndMin << single << true;
    QTest::newRow("dialog") << "dialog" << Kinds{TitleButton::Close} << dialog << false;
    QTest::newRow("settings dialog") << "settings" << Kinds{TitleButton::Close} << dialog << false;
    // Dialog classes whose flags give a window's frame: the practice and exam windows.
    QTest::newRow("fixed practice window") << "fixed practice" << closeAndMin << single << true;
    QTest::newRow("sizeable practice window") << "practice" << closeAndMin << sizeable << true;
    const Kinds all{TitleButton::Close, TitleButton::Maximize, TitleButton::Minimize};
    QTest::newRow("sizeable window") << "sizeable" << all << sizeable << true;
    QTest::newRow("modal window") << "modal window" << all << sizeable << true;
}

void TestSkinProvider::buttonsByKindOfWindow() {
    QFETCH(QString, kind);
    QFETCH(Kinds, buttons);
    QFETCH(int, border);
    QFETCH(bool, icon);
    const std::unique_ptr<QWidget> form = MakeForm(kind);
    form->show();
    const TsSkinProvider* provider = TsSkinProvider::Of(form.get());
    QVERIFY(provider);
    QCOMPARE(int(provider->Traits().BorderStyle), border);
    QCOMPARE(!provider->Geometry().IconSize.isEmpty(), icon);
    Kinds shown;
    int left = form->width();
    for (const TitleButton& button : provider->Geometry().Buttons) {
        shown << button.ButtonKind;
        QVERIFY(button.Rect.right() < left);
        left = button.Rect.left();
    }
    QCOMPARE(shown, buttons);
}

void TestSkinProvider::frameSurroundsTheClientArea() {
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    auto* child = new QWidget(form.get());
    child->setGeometry(10, 20, 50, 30);
    form->show();
    const TsSkinProvider* provider = TsSkinProvider::Of(form.get());
    QVERIFY(provider && !provider->Frame().isNull());
    QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->contentsRect().size(), QSize(300, 200));
    QCOMPARE(form->size(), QSize(300, 200).grownBy(provider->Frame()));
    QCOMPARE(child->pos(), form->contentsRect().topLeft() + QPoint(10, 20));
    // The title bar lies above the client area.
    QVERIFY(provider->Frame().top() >= provider->Geometry().TitleHeight);
}

void TestSkinProvider::closeButtonClosesTheWindow() {
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const TsSkinProvider* provider = TsSkinProvider::Of(form.get());
    QVERIFY(provider);
    const QPoint close = provider->Geometry().Buttons.front().Rect.center();
    QTest::mousePress(form.get(), Qt::LeftButton, {}, close);
    QVERIFY(form->isVisible());
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, close);
    QVERIFY(!form->isVisible());
}

void TestSkinProvider::unloadingGivesTheWindowsBack() {
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("sizeable"));
    auto* child = new QWidget(form.get());
    child->setGeometry(10, 20, 50, 30);
    form->show();
    QVERIFY(!TsSkinProvider::Of(form.get())->Frame().isNull());
    manager_->SetActive(false);
    QVERIFY(TsSkinProvider::Of(form.get())->Frame().isNull());
    QVERIFY(!form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form->size(), QSize(300, 200));
    QCOMPARE(form->contentsRect(), form->rect());
    QCOMPARE(child->pos(), QPoint(10, 20));
    QVERIFY(form->mask().isEmpty());
}

// A provider on a control says it belongs on forms and does nothing; a second one on a form stays inert.
void TestSkinProvider::onlyOneProviderOnAFormOnly() {
    MessageBoxRecorder boxes;
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    auto* child = new QWidget(form.get());
    child->setGeometry(10, 20, 50, 30);
    new TsSkinProvider(child);
    QCOMPARE(boxes.shown.size(), 1u);
    QVERIFY(
        boxes.shown.front().text.startsWith(QLatin1String("TsSkinProvider component must be used with forms only!")));
    QCOMPARE(child->pos(), QPoint(10, 20));

    form->show();
    const QMargins frame = TsSkinProvider::Of(form.get())->Frame();
    auto* second = new TsSkinProvider(form.get());
    QVERIFY(second->Frame().isNull());
    QCOMPARE(TsSkinProvider::Of(form.get())->Frame(), frame);
    QCOMPARE(form->contentsRect().size(), QSize(300, 200));
    QCOMPARE(boxes.shown.size(), 1u);
}

// A hot title button and a change of activation repaint the title alone: the controls keep their pictures.
void TestSkinProvider::hoveringATitleButtonRedrawsOnlyTheTitle() {
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    auto* panel = new TsPanel(form.get());
    panel->setGeometry(10, 20, 100, 60);
    form->show();
    const TsSkinProvider* provider = TsSkinProvider::Of(form.get());
    form->grab();
    const qint64 panelPicture = panel->SkinData().CacheBitmap().cacheKey();
    // On the button's plate, beside its symbol.
    const QRect button = provider->Geometry().Buttons.front().Rect;
    const QPoint close(button.left() + 3, button.center().y());
    const QImage before = form->grab().toImage();
    QMouseEvent move(QEvent::MouseMove, close, form->mapToGlobal(close), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &move);
    const QImage hot = form->grab().toImage();
    QVERIFY(hot.pixel(close) != before.pixel(close));
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(form.get(), &deactivate);
    QVERIFY(form->grab().toImage().pixel(close) != hot.pixel(close));
    QCOMPARE(panel->SkinData().CacheBitmap().cacheKey(), panelPicture);
}

// The skin "s" gives the close button a glow (its mask has margins of 6, shrunk by a glow margin of 2) and
// the minimize button none. The glow goes with the hot state, and stays off when glowing is not allowed.
void TestSkinProvider::hotCloseButtonGlows() {
    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    const TitleLayout& title = TsSkinProvider::Of(form.get())->Geometry();
    QCOMPARE(title.Buttons.size(), 2u);
    const QRect close = title.Buttons[0].Rect;
    const QRect minimize = title.Buttons[1].Rect;

    Hover(form.get(), close.center());
    const QRect onScreen(form->mapToGlobal(close.topLeft()), close.size());
    QCOMPARE(ShownGlows(), QList<QRect>{onScreen.adjusted(-4, -4, 4, 4)});
    Hover(form.get(), minimize.center());
    QVERIFY(ShownGlows().isEmpty());
    Hover(form.get(), close.center());
    QCOMPARE(ShownGlows().size(), 1);
    Hover(form.get(), QPoint(form->width() / 2, form->height() / 2));
    QVERIFY(ShownGlows().isEmpty());

    manager_->AllowGlowing = false;
    Hover(form.get(), close.center());
    QVERIFY(ShownGlows().isEmpty());
}

// A form section of one plain colour paints the frame only: the client area shows the form's own
// background, not an unpainted picture.
void TestSkinProvider::plainFormSectionLeavesTheClientAreaToTheForm() {
    QFile package(dir_->File(QStringLiteral("plain.asz")));
    QVERIFY(package.open(QIODevice::WriteOnly));
    package.write(
        SkinFixtures::Package(QStringLiteral("[GLOBALINFO]\r\nVERSION=6\r\n[FORM]\r\nCOLOR=255\r\nHOTCOLOR=255\r\n")));
    package.close();
    manager_->SetSkinName(QStringLiteral("plain"));
    QVERIFY(manager_->SkinData().SkinReady);

    const std::unique_ptr<QWidget> form = MakeForm(QStringLiteral("main"));
    QPalette colours = form->palette();
    colours.setColor(QPalette::Window, QColor(0, 128, 0));
    form->setPalette(colours);
    form->setAutoFillBackground(true);
    form->show();
    const QImage shown = form->grab().toImage();
    const QRect client = form->contentsRect();
    QCOMPARE(shown.pixelColor(client.center()), QColor(0, 128, 0));
    QCOMPARE(shown.pixelColor(client.left(), client.top() - 1), QColor(255, 0, 0));
}

void TestSkinProvider::skinningRulesChooseByKindOfWindow_data() {
    QTest::addColumn<int>("rules");
    QTest::addColumn<bool>("messageBoxSkinned");
    QTest::addColumn<bool>("dialogSkinned");
    QTest::newRow("forms only") << int(TsSkinManager::srStdForms) << false << true;
    QTest::newRow("dialogs only") << int(TsSkinManager::srStdDialogs) << true << false;
    QTest::newRow("both") << int(TsSkinManager::srStdForms | TsSkinManager::srStdDialogs) << true << true;
}

// A message box is a standard dialog; a dialog class the program makes (the settings dialog) is a form.
void TestSkinProvider::skinningRulesChooseByKindOfWindow() {
    QFETCH(int, rules);
    QFETCH(bool, messageBoxSkinned);
    QFETCH(bool, dialogSkinned);
    manager_->SkinningRules = TsSkinManager::TsSkinningRules(rules);
    QMessageBox box;
    box.ensurePolished();
    QCOMPARE(TsSkinProvider::Of(&box) != nullptr, messageBoxSkinned);
    const std::unique_ptr<QWidget> dialog = MakeForm(QStringLiteral("dialog"));
    dialog->ensurePolished();
    QCOMPARE(TsSkinProvider::Of(dialog.get()) != nullptr, dialogSkinned);
}

QV_TEST_MAIN(TestSkinProvider)
#include "tst_skinprovider.moc"
