// The main window: its controls, menus, centre labels, settings and web-site commands.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "app/UFrmMain.h"
#include "app/UfrmConfig.h"
#include "bank/BankConnection.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Exception.h"
#include "platform/Fonts.h"
#include "platform/GbkText.h"
#include "platform/UrlOpener.h"
#include "skin/controls/TsBitBtn.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsGroupBox.h"
#include "skin/controls/TsLabelFX.h"
#include "skin/controls/TsSpeedButton.h"
#include "skin/controls/TsStatusBar.h"
#include "ui/TImage.h"

namespace {
// Closes the popup menu that opens next and hands back where it appeared.
void ExpectPopupAt(const QPoint& expected) {
    QTimer::singleShot(50, [expected] {
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup != nullptr);
        const QPoint at = popup->pos();
        popup->close();
        QCOMPARE(at, expected);
    });
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowFrame();
    void controlLayout_data();
    void controlLayout();
    void statusBarSpansTheBottomEdge();
    void menuItems_data();
    void menuItems();
    void tabOrderAndFocus();
    void menuOpensBelowButtonOrAtPointer();
    void centreLabelsFromSettings_data();
    void centreLabelsFromSettings();
    void centreLabelGrowsToTheRight();
    void settingsDialogResultDecidesTheLabels_data();
    void settingsDialogResultDecidesTheLabels();
    void webSiteButtonOpensTheMakersSite();
    void windowsOfABankThatFailedSaySoOnce_data();
    void windowsOfABankThatFailedSaySoOnce();
};

void MainWindowTest::windowFrame() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Quorvane（２０２５年新版题库）"));
    QCOMPARE(form.size(), QSize(705, 430));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(DesignFamily(form.font()), QStringLiteral("宋体"));
    QCOMPARE(form.font().pixelSize(), 12);
    QVERIFY(!form.Image1->Picture().isNull());
    // The window's bitmap face is drawn without antialiasing; the outline faces inside it must not take
    // that from it, or their strokes break up.
    QVERIFY(form.font().styleStrategy() & QFont::NoAntialias);
    QVERIFY(!(form.sSpeedButton1->font().styleStrategy() & QFont::NoAntialias));
    QVERIFY(!(form.lbl1->font().styleStrategy() & QFont::NoAntialias));
}

void MainWindowTest::controlLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");

    auto row = [](const char* name, const char* parent, QRect geometry, const QString& text, const char* section,
                  const QString& family,
                  int size) { QTest::newRow(name) << name << parent << geometry << text << section << family << size; };
    const QString song = QStringLiteral("宋体");
    const QString hei = QStringLiteral("黑体");
    row("sGroupBox1", "frmMain", {8, 8, 689, 209}, QStringLiteral("模拟考试"), "TOOLBAR", hei, 16);
    row("Image1", "sGroupBox1", {8, 24, 670, 165}, {}, "", hei, 16);
    row("sSpeedButton1", "sGroupBox1", {24, 150, 121, 41}, QStringLiteral("C1C2C3C4小车"), "WEBBUTTON", hei, 16);
    row("sSpeedButton2", "sGroupBox1", {160, 150, 121, 41}, QStringLiteral("A1A3B1客车"), "WEBBUTTON", hei, 16);
    row("sSpeedButton3", "sGroupBox1", {304, 150, 121, 41}, QStringLiteral("A2B2货车"), "WEBBUTTON", hei, 16);
    row("sSpeedButton4", "sGroupBox1", {424, 150, 137, 41}, QStringLiteral("M轮式自行机械车"), "WEBBUTTON", hei, 16);
    row("sSpeedButton5", "sGroupBox1", {552, 150, 121, 41}, QStringLiteral("DEF摩托车"), "WEBBUTTON", hei, 16);
    row("sPanel1", "frmMain", {8, 224, 689, 73}, {}, "TOOLBAR", song, 12);
    row("sBitBtn1", "sPanel1", {11, 8, 89, 57}, QStringLiteral("顺序练习"), "TOOLBUTTON", song, 12);
    row("sBitBtn2", "sPanel1", {107, 8, 89, 57}, QStringLiteral("随机练习"), "TOOLBUTTON", song, 12);
    row("btnZJ", "sPanel1", {203, 8, 89, 57}, QStringLiteral("章节练习"), "TOOLBUTTON", song, 12);
    row("btnFG", "sPanel1", {299, 8, 89, 57}, QStringLiteral("交通法规"), "TOOLBUTTON", song, 12);
    row("btnBZ", "sPanel1", {395, 8, 89, 57}, QStringLiteral("交通标志"), "TOOLBUTTON", song, 12);
    row("btnJQ", "sPanel1", {491, 8, 89, 57}, QStringLiteral("考试技巧"), "TOOLBUTTON", song, 12);
    row("btnGame", "sPanel1", {587, 8, 89, 57}, QStringLiteral("练车游戏"), "TOOLBUTTON", song, 12);
    row("sBitBtn9", "frmMain", {8, 304, 82, 57}, QStringLiteral("作者网站"), "BUTTON_HUGE", song, 12);
    row("sBitBtn8", "frmMain", {92, 304, 82, 57}, QStringLiteral("参数设定"), "BUTTON_HUGE", song, 12);
}

void MainWindowTest::controlLayout() {
    QFETCH(QString, name);
    QFETCH(QString, section);
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QTEST(control->parentWidget()->objectName(), "parent");
    QTEST(control->geometry(), "geometry");
    QTEST(control->property("text").toString(), "text");
    QTEST(DesignFamily(control->font()), "family");
    QTEST(control->font().pixelSize(), "pixelSize");
    if (auto* button = qobject_cast<TsBitBtn*>(control))
        QCOMPARE(button->SkinData().SkinSection(), section);
    if (auto* button = qobject_cast<TsSpeedButton*>(control)) {
        QCOMPARE(button->SkinData().SkinSection(), section);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        // The exam buttons are Tab stops: without them no exam could be started from the keyboard.
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
    }
}

void MainWindowTest::statusBarSpansTheBottomEdge() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    QCOMPARE(form.sStatusBar1->geometry(), QRect(0, 411, 705, 19));
    QCOMPARE(form.sStatusBar1->SkinData().SkinSection(), QStringLiteral("STATUSBAR"));
    QCOMPARE(form.sStatusBar1->PanelText(), QStringLiteral("软件技术支持：Morlenta　网址：") + kMakerWebSite +
                                                QStringLiteral(" 服务电话：00000000000"));
    QVERIFY(QUrl(kMakerWebSite).host().endsWith(QLatin1String(".example")));
}

void MainWindowTest::menuItems_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("tags");
    QTest::addColumn<QStringList>("captions");

    QTest::newRow("chapters") << "PopupMenu1"
                              << QStringList{"N1", "N2", "N3", "N4", "N5", "N6", "N7", "N8", "N9", "N10"}
                              << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                              << QStringList{"道路交通安全法律法规和规章",
                                             "交通信号及其含义",
                                             "安全行车、文明驾驶知识",
                                             "特殊复杂道路下的安全驾驶知识",
                                             "行驶中紧急情况临危处置知识",
                                             "机动车构造和检查、维护知识",
                                             "事故后的自救等基本知识",
                                             "客车专用试题",
                                             "货车专用试题",
                                             "轮式自行机械车专用试题"};
    QTest::newRow("laws") << "PopupMenu2" << QStringList{"N11", "N12", "N13"} << QList<int>{0, 0, 0}
                          << QStringList{"中华人民共和国道路交通安全法", "道路交通安全法实施条例",
                                         "机动车驾驶证申领和使用规定"};
    QTest::newRow("signs")
        << "PopupMenu3" << QStringList{"N14", "N15", "N16", "N18", "N17", "N19"} << QList<int>{1, 2, 3, 4, 5, 6}
        << QStringList{
               "警告标志", "禁令标志", "指示标志", "道路交通标线", "指路标志（一般道路）", "指路标志（高速公路）"};
    QTest::newRow("tips") << "PopupMenu4" << QStringList{"N20", "N21"} << QList<int>{1, 2}
                          << QStringList{"理论考试答题技巧", "电子桩考技巧"};
    QTest::newRow("games") << "PopupMenu5" << QStringList{"N22", "N23", "N24", "N3D1"} << QList<int>{0, 0, 0, 0}
                           << QStringList{"交通标志连连看", "经典倒车小游戏", "驾车高手", "模拟驾驶游戏"};
}

void MainWindowTest::menuItems() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, tags);
    QFETCH(QStringList, captions);
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    auto* popup = form.findChild<QMenu*>(menu);
    QVERIFY(popup != nullptr);
    const QList<QAction*> items = popup->actions();
    QCOMPARE(items.size(), names.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->data().toInt(), tags[i]);
        QCOMPARE(items[i]->text(), captions[i]);
    }
}

void MainWindowTest::tabOrderAndFocus() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.sBitBtn1);
    const QList<QWidget*> expected{form.sBitBtn2,      form.btnZJ,         form.btnFG,         form.btnBZ,
                                   form.btnJQ,         form.btnGame,       form.sBitBtn8,      form.sBitBtn9,
                                   form.sSpeedButton1, form.sSpeedButton2, form.sSpeedButton3, form.sSpeedButton4,
                                   form.sSpeedButton5, form.sBitBtn1};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void MainWindowTest::menuOpensBelowButtonOrAtPointer() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    form.move(0, 0);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    ExpectPopupAt(form.btnZJ->mapToGlobal(QPoint(0, 57)));
    QTest::mouseClick(form.btnZJ, Qt::LeftButton);

    const QPoint pointer(30, 20);
    ExpectPopupAt(form.btnFG->mapToGlobal(pointer));
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, pointer, form.btnFG->mapToGlobal(pointer));
    QApplication::sendEvent(form.btnFG, &rightClick);
}

void MainWindowTest::centreLabelsFromSettings_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lines");

    QTest::newRow("no config.ini") << QByteArray() << QStringLiteral("*******驾驶员培训中心********")
                                   << QStringLiteral("000000000000\r\n");
    QTest::newRow("empty values") << EncodeGbk(QStringLiteral("[config]\r\nname=\r\ntel=\r\nadds=\r\n")) << QString()
                                  << QStringLiteral("\r\n");
    QTest::newRow("a centre") << EncodeGbk(QStringLiteral("[config]\r\nname=平安驾校\r\ntel=12345\r\nadds=东路1号\r\n"))
                              << QStringLiteral("平安驾校") << QStringLiteral("12345\r\n东路1号");
}

void MainWindowTest::centreLabelsFromSettings() {
    QFETCH(QByteArray, file);
    TestAppDir dir(TestAppDir::NoBanks);
    if (!file.isEmpty())
        dir.WriteFile("config.ini", file);
    TfrmMain form;
    QTEST(form.lbl1->Caption(), "name");
    QTEST(form.lbl2->Caption(), "lines");
    QCOMPARE(form.sLabelFX2->Caption(), QStringLiteral("报名热线：\r\n报名地址："));
}

void MainWindowTest::centreLabelGrowsToTheRight() {
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    form.lbl1->SetCaption(QStringLiteral("平安驾驶员培训中心有限公司"));
    const QFontMetrics metrics(form.lbl1->font());
    QCOMPARE(form.lbl1->pos(), QPoint(384, 320));
    // The shadow (distance 1, four blur passes) needs 8 more pixels each way.
    QCOMPARE(form.lbl1->width(), metrics.horizontalAdvance(QStringLiteral("平安驾驶员培训中心有限公司")) + 8);
    QCOMPARE(form.lbl1->height(), metrics.height() + 8);
    QCOMPARE(form.sLabelFX2->pos(), QPoint(288, 352));
    QCOMPARE(form.lbl2->pos(), QPoint(360, 353));
}

void MainWindowTest::settingsDialogResultDecidesTheLabels_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("确定") << true;
    QTest::newRow("取消") << false;
}

void MainWindowTest::settingsDialogResultDecidesTheLabels() {
    QFETCH(bool, ok);
    TestAppDir dir(TestAppDir::NoBanks);
    TfrmMain form;
    QTimer::singleShot(0, [ok] {
        QVERIFY(frmConfig != nullptr);
        frmConfig->sEdit1->setText(QStringLiteral("平安驾校"));
        frmConfig->sEdit2->setText(QStringLiteral("12345"));
        frmConfig->sEdit3->setText(QStringLiteral("东路1号"));
        QTest::mouseClick(ok ? static_cast<QWidget*>(frmConfig->sBitBtn1) : frmConfig->sBitBtn2, Qt::LeftButton);
    });
    form.sBitBtn8Click();
    QCOMPARE(frmConfig, nullptr);
    QCOMPARE(form.findChildren<TfrmConfig*>().size(), 0);
    QCOMPARE(form.lbl1->Caption(), ok ? QStringLiteral("平安驾校") : QStringLiteral("*******驾驶员培训中心********"));
    QCOMPARE(form.lbl2->Caption(), ok ? QStringLiteral("12345\r\n东路1号") : QStringLiteral("000000000000\r\n"));
    QCOMPARE(QFile::exists(dir.File("config.ini")), ok);
}

void MainWindowTest::webSiteButtonOpensTheMakersSite() {
    TestAppDir dir(TestAppDir::NoBanks);
    QStringList opened;
    SetUrlOpenerHookForTesting([&opened](const QString& address) { opened << address; });
    TfrmMain form;
    QTest::mouseClick(form.sBitBtn9, Qt::LeftButton);
    SetUrlOpenerHookForTesting({});
    QCOMPARE(opened, QStringList{kMakerWebSite});
}

void MainWindowTest::windowsOfABankThatFailedSaySoOnce_data() {
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QString>("fault");  // "missing", or "newer": of a layout this program does not read
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("reason");

    const QString missing = QStringLiteral("Could not find file '%1'.");
    const QString newer = QStringLiteral(
        "数据库文件“%1”是较新版本的程序写的（第99版，本程序只能读到第2版），文件没有改动。请使用新版程序。\n"
        "Database '%1' is of version 99; this program reads up to version 2.");
    QTest::newRow("sequential practice") << "t1.mdb"
                                         << "missing"
                                         << "sBitBtn1" << missing;
    QTest::newRow("random practice") << "t1.mdb"
                                     << "missing"
                                     << "sBitBtn2" << missing;
    QTest::newRow("chapter practice") << "t1.mdb"
                                      << "missing"
                                      << "N1" << missing;
    QTest::newRow("car exam") << "t1.mdb"
                              << "missing"
                              << "sSpeedButton1" << missing;
    QTest::newRow("motorcycle exam") << "t2.mdb"
                                     << "missing"
                                     << "sSpeedButton5" << missing;
    QTest::newRow("practice, newer bank") << "t1.mdb"
                                          << "newer"
                                          << "sBitBtn1" << newer;
    QTest::newRow("motorcycle exam, newer bank") << "t2.mdb"
                                                 << "newer"
                                                 << "sSpeedButton5" << newer;
}

// After a bank failed at start-up, a window that needs it says once, in Chinese, that the bank cannot be opened, and
// is not made: no empty window whose every click fails again.
void MainWindowTest::windowsOfABankThatFailedSaySoOnce() {
    QFETCH(QString, bank);
    QFETCH(QString, fault);
    QFETCH(QString, command);
    QFETCH(QString, reason);
    TestAppDir dir;
    const QString file = dir.File(bank);
    if (fault == QLatin1String("missing")) {
        QVERIFY(QFile::remove(file));
    } else {
        Connection raw;
        raw.SetConnectionString(BankConnection::ConnectionStringFor(file));
        raw.Execute(QStringLiteral("update qv_meta set value='99' where name='schema_version'"));
    }
    TDM dm;
    DM = &dm;
    QVERIFY_THROWS_EXCEPTION(DatabaseError, dm.DataModuleCreate());
    TfrmMain form;
    bool windowShown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&windowShown] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            windowShown = true;
            window->close();
        }
    });
    closer.start(50);
    {
        MessageBoxRecorder boxes;
        if (auto* button = form.findChild<QAbstractButton*>(command))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            form.findChild<QAction*>(command)->trigger();
        QCOMPARE(boxes.shown.size(), size_t(1));
        QCOMPARE(boxes.shown[0].text,
                 QStringLiteral("题库文件“%1”打不开，现在无法练习或考试。\n").arg(file) + reason.arg(file));
    }
    QVERIFY(!windowShown);
    DM = nullptr;
}

QV_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
