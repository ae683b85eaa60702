#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "FullDisk.h"
#include "SkinFixtures.h"
#include "TestSupport.h"
#include "app/UFrmMain.h"
#include "skin/controls/TsSkinManager.h"

namespace {

ProcessRun SkinTool(const QStringList& arguments) {
    return RunProcess(BuiltAppDir() + QStringLiteral("quorvane-skin"), arguments);
}

QJsonObject Info(const QString& skin) {
    const ProcessRun run = SkinTool({QStringLiteral("info"), skin});
    if (run.exitCode != 0)
        qWarning() << run.err;
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

}  // namespace

class TestSkinTool : public QObject {
    Q_OBJECT

private slots:
    void shippedSkinCoversEveryFormSection();
    void shippedSkinValueForms();
    void packUnpackRoundTrip();
    void failedPackKeepsTheOldPackage();
    void unloadableSkinExitsWithMessage_data();
    void unloadableSkinExitsWithMessage();
    void mainWindowStartsTheSkin();
    void mainWindowSurvivesBrokenSkin();
};

void TestSkinTool::shippedSkinCoversEveryFormSection() {
    const QJsonObject info = Info(BuiltAppDir() + QStringLiteral("s.asz"));
    QStringList names;
    for (const QJsonValue section : info[QStringLiteral("sections")].toArray())
        names << section[QStringLiteral("Name")].toString();
    for (const char* wanted :
         {"GLOBALINFO",  "FORM",      "FORMTITLE",   "TOOLBAR",  "TOOLBUTTON", "BUTTON",   "BUTTON_HUGE",
          "BUTTON_BIG",  "WEBBUTTON", "SPEEDBUTTON", "EDIT",     "PANEL",      "GROUPBOX", "CHECKBOX",
          "RADIOBUTTON", "STATUSBAR", "DIVIDER",     "MENULINE", "MAINMENU",   "ICOLINE"}) {
        QVERIFY2(names.contains(QLatin1String(wanted)), wanted);
    }
    QStringList globalMasks;
    for (const QJsonValue mask : info[QStringLiteral("masks")].toArray()) {
        if (mask[QStringLiteral("SectionName")].toString() == QLatin1String("GLOBALINFO"))
            globalMasks << mask[QStringLiteral("PropertyName")].toString();
    }
    for (const char* glyph : {"BOXCHECKED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED", "BICONCLOSE", "BICONMAX",
                              "BICONMIN", "BICONNORM", "BICONHELP", "SICONCLOSE", "GRIPIMAGE"}) {
        QVERIFY2(globalMasks.contains(QLatin1String(glyph)), glyph);
    }
    QCOMPARE(info[QStringLiteral("global")][QStringLiteral("Version")].toDouble(), 6.0);
}

void TestSkinTool::shippedSkinValueForms() {
    const QJsonObject info = Info(BuiltAppDir() + QStringLiteral("s.asz"));
    QSet<QString> seen;
    for (const QJsonValue m : info[QStringLiteral("masks")].toArray()) {
        seen << QStringLiteral("type%1%2")
                    .arg(m[QStringLiteral("ImgType")].toInt())
                    .arg(m[QStringLiteral("HasPicture")].toBool() ? " picture" : "");
    }
    // Borders, glyphs and glows, both in the master bitmap and in pictures of their own. Textures are small
    // tiles of the master bitmap: starting the program decodes no photos.
    for (const char* form : {"type0", "type0 picture", "type1", "type2", "type2 picture", "type3 picture"})
        QVERIFY2(seen.contains(QLatin1String(form)), form);
    QVERIFY(!seen.contains(QStringLiteral("type1 picture")));
    QVERIFY(info[QStringLiteral("patterns")].toArray().isEmpty());
    bool inherited = false, gradient = false, twoSteps = false;
    for (const QJsonValue s : info[QStringLiteral("sections")].toArray()) {
        inherited |= !s[QStringLiteral("ParentClass")].toString().isEmpty();
        gradient |= !s[QStringLiteral("GradientSteps")].toArray().isEmpty();
        twoSteps |= s[QStringLiteral("HotGradientSteps")].toArray().size() == 2;
    }
    QVERIFY(inherited && gradient && twoSteps);
}

void TestSkinTool::packUnpackRoundTrip() {
    QTemporaryDir dir;
    const QString unpacked = dir.filePath(QStringLiteral("s"));
    QCOMPARE(SkinTool({QStringLiteral("unpack"), BuiltAppDir() + QStringLiteral("s.asz"), unpacked}).exitCode, 0);
    QVERIFY(QFile::exists(unpacked + QStringLiteral("/Options.dat")));
    // The folder loads as the package does.
    QCOMPARE(Info(unpacked), Info(BuiltAppDir() + QStringLiteral("s.asz")));
    const QString repacked = dir.filePath(QStringLiteral("again.asz"));
    QCOMPARE(SkinTool({QStringLiteral("pack"), unpacked, repacked}).exitCode, 0);
    QCOMPARE(Info(repacked)[QStringLiteral("masks")], Info(unpacked)[QStringLiteral("masks")]);
}

// Packing again over a package, on a disk that takes no more: the package stays as it was, nothing is left beside
// it, and the author is told why.
void TestSkinTool::failedPackKeepsTheOldPackage() {
    QTemporaryDir dir;
    const QString unpacked = dir.filePath(QStringLiteral("s"));
    const QString package = dir.filePath(QStringLiteral("s.asz"));
    QCOMPARE(SkinTool({QStringLiteral("unpack"), BuiltAppDir() + QStringLiteral("s.asz"), unpacked}).exitCode, 0);
    QCOMPARE(SkinTool({QStringLiteral("pack"), unpacked, package}).exitCode, 0);
    QFile file(package);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    const ProcessRun run =
        RunOnFullDisk(BuiltAppDir() + QStringLiteral("quorvane-skin"), {QStringLiteral("pack"), unpacked, package});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(
        run.err.contains(QStringLiteral("无法写入 %1：文件超出了系统允许的大小。原有的文件没有改动。").arg(package)),
        qPrintable(run.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("s.asz")});
}

void TestSkinTool::unloadableSkinExitsWithMessage_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a package") << "info" << QByteArray("PK\x03\x04") << "Loaded data is not packed Brimstal file";
    QTest::newRow("cut short") << "info" << SkinFixtures::Package(QStringLiteral("[A]\r\nX=1\r\n")).chopped(3)
                               << "压缩数据已损坏或不完整";
    QTest::newRow("bad number") << "info" << SkinFixtures::Package(QStringLiteral("[A]\r\nGLOW=x\r\n"))
                                << "“x”不是有效的整数";
    QTest::newRow("entry escaping the folder")
        << "unpack"
        << TacSkinConvertor::Pack({{QStringLiteral("Options.dat"), "[A]"}, {QStringLiteral("../evil.bmp"), "x"}})
        << "不是普通文件名";
}

void TestSkinTool::unloadableSkinExitsWithMessage() {
    QFETCH(QString, command);
    QFETCH(QByteArray, package);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bad.asz"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(package);
    out.close();
    QStringList arguments{command, file};
    if (command == QLatin1String("unpack"))
        arguments << dir.filePath(QStringLiteral("out"));
    const ProcessRun run = SkinTool(arguments);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("evil.bmp"))));
}

void TestSkinTool::mainWindowStartsTheSkin() {
    TestAppDir dir;
    QFile::copy(BuiltAppDir() + QStringLiteral("s.asz"), dir.File(QStringLiteral("s.asz")));
    MessageBoxRecorder boxes;
    TfrmMain window;
    auto* manager = window.findChild<TsSkinManager*>(QStringLiteral("sSkinManager1"));
    QVERIFY(manager);
    QCOMPARE(manager, window.sSkinManager1);
    QCOMPARE(manager->SkinDirectory(), dir.Path());
    QCOMPARE(manager->SkinName(), QStringLiteral("s"));
    QVERIFY(manager->Active());
    QVERIFY(manager->Packed());
    QVERIFY(manager->SkinData().SkinReady);
    QVERIFY(manager->Skin().SectionIndexOf(QStringLiteral("FORM")) >= 0);
    QVERIFY(boxes.shown.empty());
}

void TestSkinTool::mainWindowSurvivesBrokenSkin() {
    TestAppDir dir;
    dir.WriteFile(QStringLiteral("s.asz"), QByteArray("ASzf\x01"));
    MessageBoxRecorder boxes;
    TfrmMain window;
    QVERIFY(!window.sSkinManager1->SkinData().SkinReady);
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
    // The rest of start-up went on: the centre labels were filled after the skin.
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("lbl1")));
}

QV_TEST_MAIN(TestSkinTool)
#include "tst_skintool.moc"
