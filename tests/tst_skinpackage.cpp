#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <memory>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include "SkinFixtures.h"
#include "TestSupport.h"
#include "platform/AppDir.h"
#include "skin/controls/SkinCommandEvent.h"
#include "skin/controls/TsSkinManager.h"
#include "skin/loading/OptionsStore.h"
#include "skin/loading/SkinError.h"
#include "skin/loading/SkinLimits.h"
#include "skin/loading/SkinPaths.h"

using namespace SkinFixtures;

namespace {

const QString kGoodOptions = QStringLiteral("[GLOBALINFO]\r\nVERSION=6.0\r\n[BUTTON]\r\nCOLOR=255\r\n");

QByteArray Int32(qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A package whose single entry is given in pieces, to damage one piece at a time.
QByteArray OneEntry(const QByteArray& name, qint32 size, const QByteArray& stream, qint32 count = 1) {
    return QByteArray("ASzf") + Int32(count) + Int32(static_cast<qint32>(name.size())) + name + Int32(size) + stream;
}

QByteArray ZlibStream(const QByteArray& data) {
    QByteArray packed = qCompress(data);
    return packed.mid(4);  // qCompress puts the length in front of the zlib stream
}

// Records the skin commands a window hears; answers "takes skin commands" when asked to.
class CommandRecorder : public QWidget {
public:
    explicit CommandRecorder(QWidget* parent = nullptr, bool skinned = false) : QWidget(parent), skinned_(skinned) {}
    std::vector<int> commands;
    std::vector<TsSkinManager*> managers;

protected:
    bool event(QEvent* event) override {
        if (event->type() != SkinCommandEvent::kType)
            return QWidget::event(event);
        auto* command = static_cast<SkinCommandEvent*>(event);
        if (command->Command == cmdIsSkinned) {
            command->Answer = skinned_ ? 1 : 0;
        } else {
            commands.push_back(command->Command);
            managers.push_back(command->Manager);
        }
        return true;
    }

private:
    bool skinned_;
};

}  // namespace

class TestSkinPackage : public QObject {
    Q_OBJECT

private slots:
    void unpackKeepsEveryEntryInOrder();
    void packageWithOnlyOptionsLoads();
    void malformedPackageFailsCleanly_data();
    void malformedPackageFailsCleanly();

    void optionsText_data();
    void optionsText();
    void optionsLookupsIgnoreCase();

    void includeBackslash_data();
    void includeBackslash();
    void resolveSkinDirectory_data();
    void resolveSkinDirectory();

    void nameWhileInactiveOnlyStores();
    void activatingTwiceLoadsOnce();
    void missingSkinSwitchesOffQuietly();
    void packageWinsOverFolder();
    void folderSkinWithTrailingSeparator();
    void broadcastReachesWindowsInOrder();
    void skinnedControlPassesCommandsOnItself();
    void brokenSkinKeepsPreviousOne_data();
    void brokenSkinKeepsPreviousOne();
    void loadOutOfMemoryFailsCleanly();
    void newerVersionWarnsAndLoads();
    void firstManagerIsDefault();
    void prefetchedSkinLoadsAsAnyOther();

private:
    std::unique_ptr<TsSkinManager> ManagerFor(const TestAppDir& dir) {
        auto manager = std::make_unique<TsSkinManager>();
        manager->SetActive(false);
        manager->SetSkinDirectory(dir.Path());
        manager->SetSkinName(QStringLiteral("s"));
        return manager;
    }
};

void TestSkinPackage::unpackKeepsEveryEntryInOrder() {
    const QByteArray bitmap = ImageBytes(Filled(3, 2, qRgb(1, 2, 3)), "BMP");
    // Entries of very different sizes and compressibility: each must start where the previous stream ended.
    QByteArray noise(70000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919) ^ (i >> 3));
    TacSkinConvertor convertor;
    convertor.Unpack(TacSkinConvertor::Pack({{QStringLiteral("A.bmp"), bitmap},
                                             {QStringLiteral("options.DAT"), QByteArray("[X]\r\n")},
                                             {QStringLiteral("NOISE.PNG"), noise},
                                             {QStringLiteral("EMPTY.JPG"), QByteArray()}}));
    QCOMPARE(convertor.PictureCount, 3);
    QCOMPARE(convertor.Entries.size(), std::size_t(3));
    QCOMPARE(convertor.Entries[0].Name, QStringLiteral("A.bmp"));
    QVERIFY(convertor.Entries[0].IsBitmap);
    QCOMPARE(convertor.Entries[0].Bytes, bitmap);
    QCOMPARE(convertor.Entries[1].Name, QStringLiteral("NOISE.PNG"));
    QVERIFY(!convertor.Entries[1].IsBitmap);
    QCOMPARE(convertor.Entries[1].Bytes, noise);
    QCOMPARE(convertor.Entries[2].Bytes, QByteArray());
    QCOMPARE(convertor.OptionsText.value_or("none"), QByteArray("[X]\r\n"));
}

void TestSkinPackage::packageWithOnlyOptionsLoads() {
    TacSkinConvertor convertor;
    convertor.Unpack(TacSkinConvertor::Pack({{QStringLiteral("OPTIONS.DAT"), kGoodOptions.toLatin1()}}));
    QCOMPARE(convertor.PictureCount, 0);
    QVERIFY(convertor.Entries.empty());
    const SkinContent skin = Load(kGoodOptions);
    QCOMPARE(skin.Sections.size(), std::size_t(2));
    QVERIFY(skin.Masks.empty());
}

void TestSkinPackage::malformedPackageFailsCleanly_data() {
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<QString>("message");

    const QByteArray options = kGoodOptions.toLatin1();
    const QByteArray stream = ZlibStream(options);
    const qint32 size = static_cast<qint32>(options.size());
    const QByteArray name("Options.dat");
    QByteArray damaged = stream;
    damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
    QByteArray badTrailer = stream;
    badTrailer[badTrailer.size() - 1] = static_cast<char>(badTrailer[badTrailer.size() - 1] ^ 1);

    QTest::newRow("wrong magic") << QByteArray("ASZF") + Int32(0) << TacSkinConvertor::kNotPackedMessage;
    QTest::newRow("empty file") << QByteArray() << TacSkinConvertor::kNotPackedMessage;
    QTest::newRow("magic only") << QByteArray("ASzf") << QStringLiteral("条目数无效");
    QTest::newRow("negative count") << QByteArray("ASzf") + Int32(-1) << QStringLiteral("条目数无效");
    QTest::newRow("no entries") << QByteArray("ASzf") + Int32(0) << QStringLiteral("没有 Options.dat");
    QTest::newRow("fewer entries than counted") << OneEntry(name, size, stream, 2) << QStringLiteral("第 2 个条目");
    QTest::newRow("negative name length") << QByteArray("ASzf") + Int32(1) + Int32(-5) << QStringLiteral("名称无效");
    QTest::newRow("name beyond the end") << QByteArray("ASzf") + Int32(1) + Int32(1000) + "abc"
                                         << QStringLiteral("名称无效");
    QTest::newRow("size missing") << QByteArray("ASzf") + Int32(1) + Int32(3) + "abc" << QStringLiteral("缺少大小");
    QTest::newRow("negative size") << OneEntry(name, -1, stream) << QStringLiteral("大小为负数");
    QTest::newRow("size beyond any stream") << OneEntry(name, 0x7FFFFFFF, stream) << QStringLiteral("不符");
    QTest::newRow("damaged stream") << OneEntry(name, size, damaged) << QStringLiteral("损坏");
    QTest::newRow("damaged checksum") << OneEntry(name, size, badTrailer) << QStringLiteral("损坏");
    QTest::newRow("cut stream") << OneEntry(name, size, stream.left(stream.size() - 6)) << QStringLiteral("不完整");
    QTest::newRow("no stream at all") << OneEntry(name, size, {}) << QStringLiteral("不完整");
    QTest::newRow("stream longer than size") << OneEntry(name, size - 3, stream) << QStringLiteral("超出");
    QTest::newRow("stream shorter than size") << OneEntry(name, size + 3, stream) << QStringLiteral("短于");
    QTest::newRow("only pictures") << TacSkinConvertor::Pack({{QStringLiteral("A.BMP"), QByteArray("x")}})
                                   << QStringLiteral("没有 Options.dat");
    QTest::newRow("number that is not one")
        << Package(QStringLiteral("[BUTTON]\r\nCOLOR=12a\r\n")) << QStringLiteral("“12a”不是有效的整数");
    QTest::newRow("number beyond 32 bits")
        << Package(QStringLiteral("[BUTTON]\r\nGLOW=4294967296\r\n")) << QStringLiteral("[BUTTON] GLOW");
    QTest::newRow("bad gradient") << Package(QStringLiteral("[BUTTON]\r\nGRADIENTDATA=1;2;x;4;5\r\n"))
                                  << QStringLiteral("GRADIENTDATA");
    QTest::newRow("bad global fact") << Package(QStringLiteral("[GLOBALINFO]\r\nBISPACE=two\r\n"))
                                     << QStringLiteral("BISPACE");
    QTest::newRow("bad slice") << Package(QStringLiteral("[BUTTON]\r\nBORDERSMASK=#(0,0,9O,30)(3,1)\r\n"))
                               << QStringLiteral("“9O”");

    // Sizes beyond the bounds are refused before anything of them is reserved; the padding makes the
    // streams long enough that deflate could in principle reach them.
    const QByteArray padding(64 * 1024, 'x');
    const qint32 overOptions = static_cast<qint32>(SkinLimits::kOptionsBytes) + 1;
    const qint32 overEntry = static_cast<qint32>(SkinLimits::kEntryBytes) + 1;
    QTest::newRow("options beyond their bound")
        << OneEntry(name, overOptions, stream + padding) << QStringLiteral("第 1 个条目的大小超出限度");
    QTest::newRow("picture beyond its bound")
        << OneEntry("A.BMP", overEntry, stream + padding) << QStringLiteral("第 1 个条目的大小超出限度");
    const QByteArray blank(static_cast<qsizetype>(SkinLimits::kEntryBytes), '\0');
    QTest::newRow("entries together beyond their bound")
        << TacSkinConvertor::Pack({{QStringLiteral("A.BMP"), blank},
                                   {QStringLiteral("B.BMP"), blank},
                                   {QStringLiteral("C.BMP"), QByteArray(1, '\0')}})
        << QStringLiteral("第 3 个条目的大小超出限度");
    // A picture declaring 30000 × 30000 pixels, with hardly any of them.
    const QByteArray header(
        "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00\x75\x30\x00\x00\x75\x30\x08\x02\x00"
        "\x00\x00\xe9\x45\x6f\xed\x00\x00\x00\x09\x49\x44\x41\x54\x78\x9c\x63\x00\x00\x00\x01\x00\x01\x5e\xff\x7d\xf9"
        "\x00\x00\x00\x00\x49\x45\x4e\x44\xae\x42\x60\x82",
        66);
    QTest::newRow("picture declaring too many pixels")
        << Package(QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=HUGE.PNG\r\n"), {{QStringLiteral("HUGE.PNG"), header}})
        << QStringLiteral("HUGE.PNG 过大");
}

void TestSkinPackage::malformedPackageFailsCleanly() {
    QFETCH(QByteArray, package);
    QFETCH(QString, message);
    QStringList warnings;
    try {
        SkinLoader::FromPackage(package, QStringLiteral("/nonexistent/"), {}, warnings);
        QFAIL("the package loaded");
    } catch (const SkinError& error) {
        QVERIFY2(error.Message().contains(message), qPrintable(error.Message()));
    }
    TacSkinConvertor convertor;
    convertor.Entries.push_back({QStringLiteral("OLD.BMP"), true, QByteArray("old")});
    try {
        convertor.Unpack(package);
    } catch (const SkinError&) {
        QVERIFY(convertor.Entries.empty());
        QVERIFY(!convertor.OptionsText);
    }
}

void TestSkinPackage::optionsText_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");  // sections as "[name]", keyed lines as "key=value", others as "value"

    QTest::newRow("line ends of every kind") << QByteArray("[A]\r\nx=1\ny=2\rz=3") << QStringLiteral("[A] x=1 y=2 z=3");
    QTest::newRow("blanks and control characters stripped")
        << QByteArray(" \t[ B ]\x01\r\n  key  =  value with blanks \t\r\n")
        << QStringLiteral("[B] key=value with blanks");
    QTest::newRow("comments and empty lines skipped")
        << QByteArray("[A]\r\n;x=1\r\n\r\n   ;y=2\r\nz=3\r\n") << QStringLiteral("[A] z=3");
    QTest::newRow("lines before the first section ignored")
        << QByteArray("x=1\r\n[A]\r\ny=2\r\n") << QStringLiteral("[A] y=2");
    QTest::newRow("only the first equals sign splits")
        << QByteArray("[A]\r\nk=a=b\r\n=v\r\n") << QStringLiteral("[A] k=a=b =v");
    QTest::newRow("line without equals stays without key")
        << QByteArray("[A]\r\njust text\r\n") << QStringLiteral("[A] just text");
    QTest::newRow("duplicate sections stay separate")
        << QByteArray("[A]\r\nx=1\r\n[a]\r\nx=2\r\n") << QStringLiteral("[A] x=1 [a] x=2");
    QTest::newRow("bracket without close is a line") << QByteArray("[A]\r\n[B\r\n") << QStringLiteral("[A] [B");
    QTest::newRow("Chinese text") << QByteArray("[A]\r\nAUTHOR=\xBC\xDD\xCA\xBB\r\n")
                                  << QStringLiteral("[A] AUTHOR=驾驶");
}

void TestSkinPackage::optionsText() {
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QStringList parts;
    const OptionsStore store = OptionsStore::Parse(text);
    for (const OptionsStore::Section& section : store.Sections()) {
        parts << u'[' + section.Name + u']';
        for (const OptionsStore::Line& line : section.Lines)
            parts << (line.HasKey ? line.Key + u'=' + line.Value : line.Value);
    }
    QCOMPARE(parts.join(u' '), expected);
}

void TestSkinPackage::optionsLookupsIgnoreCase() {
    const OptionsStore store =
        OptionsStore::Parse("[Button]\r\nColor=5\r\ncolor=6\r\nEMPTY=\r\n[BUTTON]\r\nCOLOR=7\r\nX=1\r\n");
    QCOMPARE(store.ReadInteger(QStringLiteral("BUTTON"), QStringLiteral("COLOR"), 0), 5);
    QCOMPARE(store.ReadString(QStringLiteral("button"), QStringLiteral("x"), QStringLiteral("-")), QStringLiteral("-"));
    QCOMPARE(store.ReadInteger(QStringLiteral("BUTTON"), QStringLiteral("EMPTY"), 42), 42);
    QCOMPARE(store.ReadInteger(QStringLiteral("NONE"), QStringLiteral("COLOR"), -1), -1);
}

void TestSkinPackage::includeBackslash_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("backslash kept") << "C:\\App\\"
                                    << "C:\\App\\";
    QTest::newRow("slash replaced") << "/opt/app/"
                                    << "/opt/app\\";
    QTest::newRow("drive letter") << "D"
                                  << "D:\\";
    QTest::newRow("other") << "C:\\App"
                           << "C:\\App\\";
}

void TestSkinPackage::includeBackslash() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(SkinPaths::IncludeBackslash(path), expected);
}

void TestSkinPackage::resolveSkinDirectory_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("parent") << "..\\Skins"
                            << "C:\\App\\Bin\\"
                            << "C:\\App\\Skins";
    QTest::newRow("parent, slashes") << "../Skins"
                                     << "/opt/app/bin/"
                                     << "/opt/app/Skins";
    QTest::newRow("only one parent resolved") << "..\\..\\Skins"
                                              << "C:\\App\\Bin\\"
                                              << "C:\\App\\..\\Skins";
    QTest::newRow("dot backslash") << ".\\Skins"
                                   << "C:\\App\\"
                                   << "C:\\App\\Skins";
    QTest::newRow("dot slash") << "./Skins"
                               << "C:\\App\\"
                               << "C:\\App\\Skins";
    QTest::newRow("relative") << "Skins"
                              << "C:\\App\\"
                              << "C:\\App\\Skins";
    QTest::newRow("drive") << "D:\\Skins"
                           << "C:\\App\\"
                           << "D:\\Skins";
    QTest::newRow("share") << "\\\\server\\Skins"
                           << "C:\\App\\"
                           << "\\\\server\\Skins";
    QTest::newRow("from the root") << "/usr/share/skins"
                                   << "/opt/app/"
                                   << "/usr/share/skins";
}

void TestSkinPackage::resolveSkinDirectory() {
    QFETCH(QString, directory);
    QFETCH(QString, executable);
    QFETCH(QString, expected);
    QCOMPARE(SkinPaths::ResolveSkinDirectory(directory, executable), expected);
}

void TestSkinPackage::nameWhileInactiveOnlyStores() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    TsSkinManager manager;
    manager.SetActive(false);
    QSignalSpy before(&manager, &TsSkinManager::OnBeforeChange);
    QSignalSpy after(&manager, &TsSkinManager::OnAfterChange);
    manager.SetSkinDirectory(dir.Path());
    manager.SetSkinName(QStringLiteral("s"));
    QCOMPARE(before.count(), 0);
    QCOMPARE(after.count(), 0);
    QVERIFY(manager.Skin().Sections.empty());
    QVERIFY(!manager.SkinData().SkinReady);
}

void TestSkinPackage::activatingTwiceLoadsOnce() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    auto manager = ManagerFor(dir);
    QSignalSpy before(manager.get(), &TsSkinManager::OnBeforeChange);
    QSignalSpy after(manager.get(), &TsSkinManager::OnAfterChange);
    bool changingSeen = false;
    connect(manager.get(), &TsSkinManager::OnBeforeChange, this, [&] { changingSeen = TsSkinManager::SkinChanging(); });
    manager->SetActive(true);
    manager->SetActive(true);
    QCOMPARE(before.count(), 1);
    QCOMPARE(after.count(), 1);
    QCOMPARE(after.first().first().value<TsSkinManager*>(), manager.get());
    QVERIFY(!changingSeen);
    QVERIFY(!TsSkinManager::SkinChanging());
    QVERIFY(manager->Packed());
    QVERIFY(manager->SkinData().SkinReady);
    QCOMPARE(manager->Skin().Sections.size(), std::size_t(2));
    QCOMPARE(manager->Skin().CachedIndexes.GlobalInfo, 0);
}

void TestSkinPackage::missingSkinSwitchesOffQuietly() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    MessageBoxRecorder boxes;
    CommandRecorder window;
    auto manager = ManagerFor(dir);
    manager->SetActive(true);
    QVERIFY(manager->Active());
    manager->SetSkinName(QStringLiteral("missing"));
    QVERIFY(!manager->Active());
    QVERIFY(!manager->SkinData().SkinReady);
    QVERIFY(manager->Skin().Sections.empty());
    QCOMPARE(manager->Skin().CachedIndexes.GlobalInfo, -1);
    QCOMPARE(window.commands.back(), int(cmdSkinRemoved));
    QVERIFY(boxes.shown.empty());
}

void TestSkinPackage::packageWinsOverFolder() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(QStringLiteral("[FROMPACKAGE]\r\n")));
    QDir().mkpath(dir.File(QStringLiteral("s")));
    dir.WriteFile(QStringLiteral("s/Options.dat"), "[FROMFOLDER]\r\n");
    auto manager = ManagerFor(dir);
    manager->SetActive(true);
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMPACKAGE")), 0);

    QFile::remove(dir.File(QStringLiteral("s.asz")));
    manager->SetSkinName(QStringLiteral("s"));
    QVERIFY(!manager->Packed());
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMFOLDER")), 0);
}

void TestSkinPackage::folderSkinWithTrailingSeparator() {
    TestAppDir dir(TestAppDir::NoBanks);
    QDir().mkpath(dir.File(QStringLiteral("s")));
    const QImage frame = Filled(90, 60, qRgb(10, 20, 30));
    frame.save(dir.File(QStringLiteral("s/Frame.bmp")), "BMP");
    dir.WriteFile(QStringLiteral("s/Options.dat"), "[BUTTON]\r\nBORDERSMASK=frame.bmp\r\n");
    auto manager = ManagerFor(dir);  // the directory ends in a separator
    manager->SetActive(true);
    // The separator is doubled as the rules say; the file system takes it as one.
    QCOMPARE(FileSystemPath(manager->SkinData().SkinFolder), dir.Path() + QStringLiteral("/s/"));
    // The options name the picture in capitals; the file on disk is spelled otherwise.
    QCOMPARE(manager->Skin().Masks.size(), std::size_t(1));
    QCOMPARE(manager->Skin().Masks[0].Picture.pixel(5, 5), qRgb(10, 20, 30));
}

void TestSkinPackage::broadcastReachesWindowsInOrder() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    auto manager = ManagerFor(dir);
    CommandRecorder window;
    auto* child = new CommandRecorder(new QWidget(&window));
    manager->SetActive(true);
    const std::vector<int> loaded{cmdSkinLoaded, cmdStopFading, cmdRepaint};
    QCOMPARE(window.commands, loaded);
    QCOMPARE(child->commands, loaded);
    QCOMPARE(child->managers.front(), manager.get());
    manager->SetActive(false);
    QCOMPARE(child->commands.back(), int(cmdSkinRemoved));
}

void TestSkinPackage::skinnedControlPassesCommandsOnItself() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    auto manager = ManagerFor(dir);
    CommandRecorder window;
    auto* skinned = new CommandRecorder(&window, true);
    auto* inner = new CommandRecorder(skinned);
    manager->SetActive(true);
    QCOMPARE(skinned->commands.size(), std::size_t(3));
    QVERIFY(inner->commands.empty());
}

void TestSkinPackage::brokenSkinKeepsPreviousOne_data() {
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong magic") << QByteArray("MZ\x90\x00garbage") << TacSkinConvertor::kNotPackedMessage;
    QTest::newRow("no options") << TacSkinConvertor::Pack({{QStringLiteral("A.BMP"), QByteArray("x")}})
                                << QStringLiteral("皮肤包中没有 Options.dat。");
    QTest::newRow("short entry") << Package(kGoodOptions).chopped(5)
                                 << QStringLiteral("皮肤包已损坏：第 1 个条目的压缩数据已损坏或不完整。");
    QTest::newRow("bad number") << Package(QStringLiteral("[BUTTON]\r\nCOLOR=blue\r\n"))
                                << QStringLiteral("皮肤选项有误：[BUTTON] COLOR 中的“blue”不是有效的整数。");
    const QString namesMaster = QStringLiteral("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[BUTTON]\r\nCOLOR=1\r\n");
    const QString masterMessage = QStringLiteral("皮肤的主位图 MASTER.BMP 缺失或无法读取。");
    QTest::newRow("master bitmap missing") << Package(namesMaster) << masterMessage;
    QTest::newRow("master bitmap unreadable")
        << Package(namesMaster, {{QStringLiteral("MASTER.BMP"), QByteArray("BM not a picture")}}) << masterMessage;
}

void TestSkinPackage::brokenSkinKeepsPreviousOne() {
    QFETCH(QByteArray, package);
    QFETCH(QString, message);
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(kGoodOptions));
    dir.WriteFile(QStringLiteral("broken.asz"), package);
    MessageBoxRecorder boxes;
    CommandRecorder window;
    auto manager = ManagerFor(dir);
    manager->SetActive(true);
    const int heardBefore = static_cast<int>(window.commands.size());
    QSignalSpy after(manager.get(), &TsSkinManager::OnAfterChange);

    manager->SetSkinName(QStringLiteral("broken"));
    QCOMPARE(after.count(), 1);
    QVERIFY(manager->Active());
    QVERIFY(manager->SkinData().SkinReady);
    QCOMPARE(manager->Skin().Sections.size(), std::size_t(2));
    QCOMPARE(manager->Skin().Sections[1].Color, 255);
    QCOMPARE(static_cast<int>(window.commands.size()), heardBefore);
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, message);
    QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
    QCOMPARE(boxes.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // Nothing loaded before: the windows keep their plain look.
    auto fresh = ManagerFor(dir);
    fresh->SetSkinName(QStringLiteral("broken"));
    fresh->SetActive(true);
    QVERIFY(!fresh->SkinData().SkinReady);
    QVERIFY(fresh->Skin().Sections.empty());
}

void TestSkinPackage::newerVersionWarnsAndLoads() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(QStringLiteral("[GLOBALINFO]\r\nVERSION=6.3\r\n")));
    MessageBoxRecorder boxes;
    auto manager = ManagerFor(dir);
    manager->SetActive(true);
    QVERIFY(manager->SkinData().SkinReady);
    QCOMPARE(manager->SkinData().Version, 6.3);
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text,
             QStringLiteral("This version of skin have not complete supported by the Corvennic package.\r\n"
                            "Components must be updated to latest version for using this skin."));
    QCOMPARE(boxes.shown[0].icon, QMessageBox::NoIcon);
}

void TestSkinPackage::firstManagerIsDefault() {
    QVERIFY(!TsSkinManager::DefaultManager());
    auto first = std::make_unique<TsSkinManager>();
    QCOMPARE(first->SkinDirectory(), QStringLiteral("c:\\Skins"));
    QVERIFY(first->Active());
    QVERIFY(first->SkinName().isEmpty());
    QVERIFY(first->AllowGlowing && first->SkinnedPopups);
    QCOMPARE(first->IcoLineSkin, QStringLiteral("ICOLINE"));
    TsSkinManager second;
    first->SetActive(false);
    QVERIFY(first->IsDefault());
    QVERIFY(!second.IsDefault());
    second.SetIsDefault(true);
    QVERIFY(second.IsDefault());
    first.reset();
    QCOMPARE(TsSkinManager::DefaultManager(), &second);
}

// A skin read ahead on a worker thread is taken only by a load of the same skin with the default colour
// settings, and a broken one is reported as a load would report it; any other load reads its own skin.
void TestSkinPackage::prefetchedSkinLoadsAsAnyOther() {
    TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile(QStringLiteral("s.asz"), Package(QStringLiteral("[FROMS]\r\n")));
    dir.WriteFile(QStringLiteral("other.asz"), Package(QStringLiteral("[FROMOTHER]\r\nCOLOR=255\r\n")));
    dir.WriteFile(QStringLiteral("broken.asz"), QByteArray("not a package"));
    MessageBoxRecorder boxes;

    TsSkinManager::Prefetch(dir.Path(), QStringLiteral("s"));
    auto manager = ManagerFor(dir);
    manager->SetActive(true);
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMS")), 0);

    TsSkinManager::Prefetch(dir.Path(), QStringLiteral("other"));
    manager->SetSkinName(QStringLiteral("s"));
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMS")), 0);

    TsSkinManager::Prefetch(dir.Path(), QStringLiteral("other"));
    manager->HueOffset = 30;
    manager->SetSkinName(QStringLiteral("other"));
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMOTHER")), 0);
    QVERIFY(manager->Skin().Sections[0].Color != 255);  // shifted by this load, not read ahead unshifted
    manager->HueOffset = 0;

    manager->SetSkinName(QStringLiteral("broken"));
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    TsSkinManager::Prefetch(dir.Path(), QStringLiteral("broken"));
    manager->SetSkinName(QStringLiteral("broken"));
    QCOMPARE(boxes.shown.size(), std::size_t(2));
    QCOMPARE(boxes.shown[1].text, boxes.shown[0].text);
    QCOMPARE(manager->Skin().SectionIndexOf(QStringLiteral("FROMOTHER")), 0);
}

// A load that runs out of memory fails like any broken skin. The test runs again in a process of its own,
// which is given little more address space than it uses and then loads a skin within every bound whose
// pictures need more than that.
void TestSkinPackage::loadOutOfMemoryFailsCleanly() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    QSKIP("the sanitizers reserve address space of their own");
#else
    if (!qEnvironmentVariableIsSet("QV_SKIN_OOM_CHILD")) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QV_SKIN_OOM_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("loadOutOfMemoryFailsCleanly")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        return;
    }
    // Every large block gets a mapping of its own and gives it back when freed, so that the limit below
    // counts exactly what the load asks for.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    const QByteArray package = [] {
        const QByteArray blank(24 * 1024 * 1024, '\0');
        return Package(kGoodOptions, {{QStringLiteral("A.BMP"), blank}, {QStringLiteral("B.BMP"), blank}});
    }();
    QFile status(QStringLiteral("/proc/self/statm"));
    status.open(QIODevice::ReadOnly);
    const qint64 pages = status.readAll().split(' ').value(0).toLongLong();
    const auto room = static_cast<rlim_t>(pages * sysconf(_SC_PAGESIZE) + 16 * 1024 * 1024);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    QStringList warnings;
    try {
        SkinLoader::FromPackage(package, QStringLiteral("/nonexistent/"), {}, warnings);
        _exit(2);
    } catch (const SkinError& error) {
        _exit(error.Message() == QStringLiteral("内存不足，无法载入皮肤。") ? 0 : 3);
    }
#endif
}

QV_TEST_MAIN(TestSkinPackage)
#include "tst_skinpackage.moc"
