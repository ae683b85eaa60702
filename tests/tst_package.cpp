// The Debian package as a training centre installs it: built, unpacked into a folder nobody may write, and run
// from there by learners with homes of their own. Each learner's settings and practice positions stay in their
// own home, and the installed files are never changed.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>

#include "StoredCentreInfo.h"
#include "TestSupport.h"
#include "app/Upublic.h"
#include "bank/BankQueries.h"
#include "bank/UDM.h"
#include "platform/AppDir.h"
#include "practice/UfrmTest.h"
#include "skin/controls/TsEdit.h"
#include "skin/controls/TsLabel.h"

namespace {
constexpr int kPackageMilliseconds = 600000;
constexpr int kProgramMilliseconds = 180000;

// What a program run by the test did.
struct Run {
    bool finished = false;
    int exitCode = -1;
    QString err;
};

Run Start(const QString& program, const QStringList& arguments, int milliseconds) {
    QProcess process;
    process.start(program, arguments);
    Run run;
    run.finished = process.waitForFinished(milliseconds) && process.exitStatus() == QProcess::NormalExit;
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Every file and link under `root` with what it holds, to tell whether anything in the tree changed.
std::map<QString, QByteArray> Contents(const QString& root) {
    std::map<QString, QByteArray> contents;
    QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        QByteArray& content = contents[entry.filePath()];
        if (entry.isSymLink()) {
            content = entry.symLinkTarget().toUtf8();
        } else if (entry.isFile()) {
            QFile file(entry.filePath());
            if (file.open(QIODevice::ReadOnly))
                content = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
        }
    }
    return contents;
}

// Takes the write permission from every file and folder under `root`, or gives it back.
void SetWritable(const QString& root, bool writable) {
    QDirIterator entries(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    QStringList paths{root};
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        if (!entry.isSymLink())
            paths << entry.filePath();
    }
    for (const QString& path : paths) {
        const QFileDevice::Permissions permissions = QFile::permissions(path);
        const QFileDevice::Permissions write =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        QFile::setPermissions(path,
                              writable ? permissions | QFile::WriteOwner | QFile::WriteUser : permissions & ~write);
    }
}

// The sequential practice of the whole bank (key "0") or of one chapter, as the main window opens it.
std::unique_ptr<TfrmTest> OpenPractice(const QString& key) {
    auto window = std::make_unique<TfrmTest>();
    window->SetBaseSql(BankQueries::AllQuestionsSql());
    window->SetFilter(key == "0" ? QString() : BankQueries::ChapterFilter(key));
    window->SetProgressKey(key);
    window->show();
    return window;
}

// Opens the practice, jumps to question `number` and saves there.
void SaveAt(const QString& key, int number) {
    MessageBoxRecorder boxes;
    auto window = OpenPractice(key);
    window->sEdit1->setText(QString::number(number));
    window->btnJumpClick();
    window->sSpeedButton6Click();
    QCOMPARE(boxes.shown.size(), size_t(1));
    QCOMPARE(boxes.shown[0].text, QStringLiteral("进度已保存"));
}

QString OpensAt(const QString& key) {
    return OpenPractice(key)->lblNo->text();
}

// A new start of the program: its data module, on the banks the package installed.
struct ProgramStart {
    ProgramStart() {
        dm = std::make_unique<TDM>();
        DM = dm.get();
        dm->DataModuleCreate();
    }
    ~ProgramStart() { DM = nullptr; }
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;

    std::unique_ptr<TDM> dm;
};
}  // namespace

class PackageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void holdsTheProgramAndItsMenuEntry();
    void tourRunsFromTheInstalledTree();
    void eachHomeKeepsItsOwnSettingsAndProgress();
    void unwritableHomeIsToldOnceAndTheProgramRuns();

private:
    QString Installed(const QString& path) const { return root_.filePath(path); }

    QTemporaryDir packages_;
    QTemporaryDir root_;
    std::map<QString, QByteArray> installed_;
};

// The package as `cmake --build build --target package` makes it, from the build the tests run in.
void PackageTest::initTestCase() {
    const Run cpack =
        Start(qEnvironmentVariable("QV_CPACK"),
              {"--config", qEnvironmentVariable("QV_CPACK_CONFIG"), "-B", packages_.path()}, kPackageMilliseconds);
    QVERIFY2(cpack.finished && cpack.exitCode == 0, qPrintable(cpack.err));
    const QStringList debs = QDir(packages_.path()).entryList({"quorvane_*_*.deb"});
    QCOMPARE(debs.size(), 1);
    const Run unpack = Start("dpkg-deb", {"-x", packages_.filePath(debs[0]), root_.path()}, kProgramMilliseconds);
    QVERIFY2(unpack.finished && unpack.exitCode == 0, qPrintable(unpack.err));
    SetWritable(root_.path(), false);
    installed_ = Contents(root_.path());
}

void PackageTest::cleanupTestCase() {
    SetAppDirForTesting({});
    SetWritable(root_.path(), true);
}

void PackageTest::holdsTheProgramAndItsMenuEntry() {
    for (const char* program : {"quorvane", "quorvane-bank", "quorvane-skin"}) {
        const QFileInfo link(Installed(QStringLiteral("usr/bin/") + program));
        QVERIFY2(link.isSymLink(), program);
        QCOMPARE(link.canonicalFilePath(),
                 QFileInfo(Installed(QStringLiteral("usr/lib/quorvane/") + program)).canonicalFilePath());
    }
    for (const char* file :
         {"usr/lib/quorvane/t1.mdb", "usr/lib/quorvane/t2.mdb", "usr/lib/quorvane/libqvwebengine.so",
          "usr/share/applications/quorvane.desktop", "usr/share/metainfo/org.quorvane.Quorvane.metainfo.xml",
          "usr/share/icons/hicolor/48x48/apps/quorvane.png", "usr/share/doc/quorvane/copyright"}) {
        QVERIFY2(QFile::exists(Installed(file)), file);
    }
    QVERIFY(!QFile::exists(Installed("usr/lib/quorvane/config.ini")));
}

// The installed program itself, started through its link on the path, shows every window of the tour; it
// writes only in the learner's home.
void PackageTest::tourRunsFromTheInstalledTree() {
    TestHomes homes;
    const QString tour = homes.Path("tour");
    const Run run = Start(Installed("usr/bin/quorvane"), {"--tour", tour}, kProgramMilliseconds);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.err.contains(QLatin1String("Quorvane:")) && !run.err.contains(QStringLiteral("提示:")),
             qPrintable(run.err));
    for (const char* form : {"frmMain", "frmConfig", "frmTest", "frmMNKS", "MessageBox"})
        QVERIFY2(QFile::exists(tour + '/' + form + ".png"), form);
    QVERIFY(QFile::exists(homes.Path("first/.local/share/quorvane/progress.db")));
    QVERIFY(Contents(root_.path()) == installed_);
}

// Two learners on one computer: each finds their own settings and places, wherever the other left theirs.
void PackageTest::eachHomeKeepsItsOwnSettingsAndProgress() {
    TestHomes homes;
    SetAppDirForTesting(Installed("usr/lib/quorvane"));
    {
        const ProgramStart first;
        WriteConfig(QStringLiteral("第一驾校"), QStringLiteral("111"), QStringLiteral("东路1号"));
        SaveAt("0", 5);
        SaveAt("3", 2);
    }
    QVERIFY(QFile::exists(homes.Path("first/.config/quorvane/config.ini")));
    QVERIFY(QFile::exists(homes.Path("first/.local/share/quorvane/progress.db")));

    homes.Use("second");
    {
        const ProgramStart second;
        QCOMPARE(StoredCentreInfo().name, DefaultCentreInfo().name);
        QCOMPARE(OpensAt("0"), QStringLiteral("1"));
        WriteConfig(QStringLiteral("第二驾校"), QStringLiteral("222"), QString());
        SaveAt("0", 9);
    }

    homes.Use("first");
    {
        const ProgramStart again;
        QCOMPARE(StoredCentreInfo().name, QStringLiteral("第一驾校"));
        QCOMPARE(OpensAt("0"), QStringLiteral("5"));
        QCOMPARE(OpensAt("3"), QStringLiteral("2"));
    }
    homes.Use("second");
    {
        const ProgramStart again;
        QCOMPARE(StoredCentreInfo().name, QStringLiteral("第二驾校"));
        QCOMPARE(OpensAt("0"), QStringLiteral("9"));
    }
    SetAppDirForTesting({});
    QVERIFY(Contents(root_.path()) == installed_);
}

// A home where nothing can be written (here the data folder would have to go through a file): one message, and the
// main window all the same.
void PackageTest::unwritableHomeIsToldOnceAndTheProgramRuns() {
    TestHomes homes;
    QFile blocker(homes.Path("first"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Run run = Start(Installed("usr/bin/quorvane"), {"--exit-after-show"}, kProgramMilliseconds);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 0);
    QStringList messages;
    for (const QString& line : run.err.split('\n')) {
        if (line.startsWith(QStringLiteral("提示: ")) || line.startsWith(QStringLiteral("Quorvane: ")))
            messages << line;
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QStringLiteral("提示: 无法写入")), qPrintable(run.err));
}

QV_TEST_MAIN(PackageTest)
#include "tst_package.moc"
