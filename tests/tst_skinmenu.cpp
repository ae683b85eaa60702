// Skinned popup menus: the menu's section behind and around the items, the icon column, the item colours in
// each state, margins that keep the items inside the border, and the plain menu given back without skinning.
#include <QActionGroup>
#include <QMenu>
#include <QTest>
#include <memory>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/frame/SkinnedMenu.h"
#include "skin/frame/WindowHook.h"

namespace {

constexpr QRgb kBackground = 0xC8DCF0;  // skin colour 15785160
constexpr QRgb kHot = 0xFFC864;         // 6605055
constexpr QRgb kFont = 0xC80000;        // 200
constexpr QRgb kHotFont = 0x0000C8;     // 13107200
constexpr QRgb kIconLine = 0x64B464;    // 6599780
constexpr QRgb kRuler = 0x5A3C1E;       // 1981530
constexpr QRgb kSeparator = 0x008080;   // 8421376
constexpr QRgb kBorder = 0x010101;
constexpr QRgb kCheckGlyph = 0x009600;
// The font colour blended 40 % with the global grey: 0.4 × 200 + 0.6 × 128 and 0.6 × 128.
constexpr QRgb kGreyed = 0x9D4D4D;
constexpr int kBorderWidth = 4;

// The master bitmap: a 12×12 border of colour (1,1,1) with a transparent top-left corner pixel at (0,0), and
// a 3×3 check glyph at (14,0).
QByteArray MasterBitmap() {
    QImage master = SkinFixtures::Filled(20, 12, qRgb(90, 90, 90));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x)
            master.setPixel(x, y, kBorder);
    }
    master.setPixel(0, 0, qRgb(255, 0, 255));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x)
            master.setPixel(14 + x, y, kCheckGlyph);
    }
    return SkinFixtures::ImageBytes(master, "BMP");
}

const QMap<QString, QString> kKeys{
    {"COLOR", "8421504"},
    {"BORDERCOLOR", "8421376"},
    {"BOXCHECKED", "@0014,0000,0017,0003,1,0"},
    {"MAINMENU.COLOR", "15785160"},
    {"MAINMENU.HOTCOLOR", "6605055"},
    {"MAINMENU.FONTCOLOR", "200"},
    {"MAINMENU.HOTFONTCOLOR", "13107200"},
    {"MAINMENU.BORDERSMASK", "#(0,0,12,12)(1,0,4,1)"},
    {"ICOLINE.COLOR", "6599780"},
};

// Where a probe looks, in the row of an item.
enum Probe { RowEnd, IconColumn, RowMiddle };

QRgb Pixel(const QImage& image, QPoint at) {
    return image.pixel(at) & 0xFFFFFF;
}

// The colours a part of a picture holds.
QSet<QRgb> Colours(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(Pixel(image, {x, y}));
    }
    return colours;
}

}  // namespace

class TestSkinMenu : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void paintsFromTheSkin_data();
    void paintsFromTheSkin();
    void itemTextTakesTheStateColours_data();
    void itemTextTakesTheStateColours();
    void marginsKeepItemsOffTheBorder();
    void unloadingGivesThePlainMenuAndLoadingSkinsItAgain();
    void popupsLeftAloneStayPlain();
    void polishedMenuHasOneAdapterAndNoPendingLayout();

private:
    void LoadSkin(const QString& changes);
    // A menu with a plain, a hot, a disabled and a checked item and a separator, in a font without smoothing
    // whose glyphs are solid blocks.
    static std::unique_ptr<QMenu> MakeMenu();
    // The menu open with its hot item active, as it looks.
    static QImage Open(QMenu& menu);
    static QRect Row(QMenu& menu, const char* item);
    // The menu as it looks with the skin inactive: a new one of the same kind.
    QImage PlainPicture();

    std::unique_ptr<TestAppDir> dir_;
    std::unique_ptr<TsSkinManager> manager_;
    int loads_ = 0;
};

void TestSkinMenu::init() {
    dir_ = std::make_unique<TestAppDir>(TestAppDir::NoBanks);
    WindowHook::Install();
    manager_ = std::make_unique<TsSkinManager>();
    manager_->SetSkinDirectory(dir_->Path());
    LoadSkin({});
}

void TestSkinMenu::cleanup() {
    manager_.reset();
    dir_.reset();
}

void TestSkinMenu::LoadSkin(const QString& changes) {
    const QString name = QStringLiteral("t%1").arg(++loads_);
    dir_->WriteFile(name + QStringLiteral(".asz"),
                    SkinFixtures::Package(SkinFixtures::OptionsWith(kKeys, changes),
                                          {{QStringLiteral("MASTER.BMP"), MasterBitmap()}}));
    manager_->SetSkinName(name);
    QVERIFY(manager_->SkinData().SkinReady);
}

std::unique_ptr<QMenu> TestSkinMenu::MakeMenu() {
    auto menu = std::make_unique<QMenu>();
    QFont solid = menu->font();
    solid.setStyleStrategy(QFont::NoAntialias);
    menu->setFont(solid);
    for (const char* name : {"plain", "hot", "disabled"})
        menu->addAction(QStringLiteral("■■"))->setObjectName(QLatin1String(name));
    menu->addSeparator()->setObjectName(QStringLiteral("separator"));
    QAction* checked = menu->addAction(QStringLiteral("■■"));
    checked->setObjectName(QStringLiteral("checked"));
    checked->setCheckable(true);
    checked->setChecked(true);
    menu->findChild<QAction*>(QStringLiteral("disabled"))->setEnabled(false);
    return menu;
}

QImage TestSkinMenu::Open(QMenu& menu) {
    menu.popup(QPoint(40, 40));
    menu.setActiveAction(menu.findChild<QAction*>(QStringLiteral("hot")));
    return menu.grab().toImage();
}

QRect TestSkinMenu::Row(QMenu& menu, const char* item) {
    return menu.actionGeometry(menu.findChild<QAction*>(QLatin1String(item)));
}

QImage TestSkinMenu::PlainPicture() {
    manager_->SetActive(false);
    const std::unique_ptr<QMenu> reference = MakeMenu();
    return Open(*reference);
}

void TestSkinMenu::paintsFromTheSkin_data() {
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("iconLine");  // the manager's IcoLineSkin
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("probe");
    QTest::addColumn<QRgb>("expected");
    const QString line = QStringLiteral("ICOLINE");
    QTest::newRow("background") << "" << line << "plain" << int(RowEnd) << kBackground;
    QTest::newRow("hot row") << "" << line << "hot" << int(RowEnd) << kHot;
    QTest::newRow("hot row over the icon column") << "" << line << "hot" << int(IconColumn) << kHot;
    QTest::newRow("disabled row is not hot") << "" << line << "disabled" << int(RowEnd) << kBackground;
    QTest::newRow("icon column") << "" << line << "plain" << int(IconColumn) << kIconLine;
    QTest::newRow("icon column in a system colour")
        << "ICOLINE.COLOR=-2147483633" << line << "plain" << int(IconColumn) << QRgb(0xF0F0F0);
    QTest::newRow("icon column of the manager's section") << "RULER.COLOR=1981530"
                                                          << "RULER"
                                                          << "plain" << int(IconColumn) << kRuler;
    QTest::newRow("separator") << "" << line << "separator" << int(RowMiddle) << kSeparator;
    QTest::newRow("check glyph") << "" << line << "checked" << int(IconColumn) << kCheckGlyph;
}

void TestSkinMenu::paintsFromTheSkin() {
    QFETCH(QString, changes);
    QFETCH(QString, iconLine);
    QFETCH(QString, item);
    QFETCH(int, probe);
    QFETCH(QRgb, expected);
    manager_->IcoLineSkin = iconLine;
    LoadSkin(changes);
    const std::unique_ptr<QMenu> menu = MakeMenu();
    const QImage picture = Open(*menu);
    const SkinnedMenu* adapter = SkinnedMenu::Of(menu.get());
    QVERIFY(adapter && adapter->Skinned());
    const QRect row = Row(*menu, qPrintable(item));
    const QPoint at = probe == RowEnd       ? QPoint(row.right() - 1, row.center().y())
                      : probe == IconColumn ? QPoint(adapter->IconColumn().center().x(), row.center().y())
                                            : row.center();
    const QStringList wrong = SkinFixtures::WrongPixels(picture, {at}, {expected});
    QVERIFY2(wrong.isEmpty(), qPrintable(SkinFixtures::Report(wrong, picture, QStringLiteral("skinmenu"))));
}

void TestSkinMenu::itemTextTakesTheStateColours_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QRgb>("shown");
    QTest::addColumn<QRgb>("absent");
    QTest::newRow("normal") << "plain" << kFont << kHotFont;
    QTest::newRow("hot") << "hot" << kHotFont << kFont;
    QTest::newRow("disabled") << "disabled" << kGreyed << kFont;
}

void TestSkinMenu::itemTextTakesTheStateColours() {
    QFETCH(QString, item);
    QFETCH(QRgb, shown);
    QFETCH(QRgb, absent);
    const std::unique_ptr<QMenu> menu = MakeMenu();
    const QSet<QRgb> colours = Colours(Open(*menu), Row(*menu, qPrintable(item)));
    QVERIFY(colours.contains(shown));
    QVERIFY(!colours.contains(absent));
}

void TestSkinMenu::marginsKeepItemsOffTheBorder() {
    const std::unique_ptr<QMenu> menu = MakeMenu();
    const QImage picture = Open(*menu);
    const QMargins border(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    QCOMPARE(menu->contentsMargins(), border);
    const QRect inside = menu->rect().marginsRemoved(border);
    for (QAction* action : menu->actions())
        QVERIFY2(inside.contains(menu->actionGeometry(action)), qPrintable(action->objectName()));
    QCOMPARE(Pixel(picture, {0, menu->height() / 2}), kBorder);
    QCOMPARE(Pixel(picture, {menu->width() - kBorderWidth, menu->height() - kBorderWidth}), kBorder);
    // The border's transparent corner pixel is cut out of the menu's outline.
    QVERIFY(!menu->mask().contains(QPoint(0, 0)));
    QVERIFY(menu->mask().contains(QPoint(1, 0)));
}

void TestSkinMenu::unloadingGivesThePlainMenuAndLoadingSkinsItAgain() {
    // The skin goes while the menu is open: it takes its plain size at once.
    const std::unique_ptr<QMenu> menu = MakeMenu();
    Open(*menu);
    const QImage plain = PlainPicture();
    QVERIFY(!SkinnedMenu::Of(menu.get())->Skinned());
    QCOMPARE(menu->contentsMargins(), QMargins());
    QVERIFY(menu->mask().isEmpty());
    QCOMPARE(menu->grab().toImage(), plain);
    menu->hide();

    manager_->SetActive(true);
    const QImage skinned = Open(*menu);
    QCOMPARE(menu->contentsMargins(), QMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth));
    const QRect row = Row(*menu, "plain");
    QCOMPARE(Pixel(skinned, {row.right() - 1, row.center().y()}), kBackground);
}

void TestSkinMenu::popupsLeftAloneStayPlain() {
    manager_->SkinnedPopups = false;
    const std::unique_ptr<QMenu> menu = MakeMenu();
    const QImage picture = Open(*menu);
    QVERIFY(!SkinnedMenu::Of(menu.get())->Skinned());
    QCOMPARE(menu->contentsMargins(), QMargins());
    QCOMPARE(picture, PlainPicture());
}

// Polished again, a menu keeps its one adapter. A hidden menu takes the border's margins without laying its
// items out before it pops up.
void TestSkinMenu::polishedMenuHasOneAdapterAndNoPendingLayout() {
    QMenu menu;
    menu.addAction(QStringLiteral("■■"));
    menu.setAttribute(Qt::WA_PendingResizeEvent, false);
    menu.ensurePolished();
    QEvent polish(QEvent::Polish);
    QCoreApplication::sendEvent(&menu, &polish);
    QCOMPARE(menu.findChildren<SkinnedMenu*>().size(), 1);
    QCOMPARE(menu.contentsMargins(), QMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth));
    QVERIFY(!menu.testAttribute(Qt::WA_PendingResizeEvent));
}

QV_TEST_MAIN(TestSkinMenu)
#include "tst_skinmenu.moc"
