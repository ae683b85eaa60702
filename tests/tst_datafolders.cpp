// Where the program writes: in its own folder when that can be written, in each user's home when it is
// installed read-only, with a training centre's settings for the whole computer beneath the user's own.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestSupport.h"
#include "app/UfrmConfig.h"
#include "app/Upublic.h"
#include "platform/DataFolders.h"
#include "platform/Exception.h"
#include "platform/GbkText.h"
#include "skin/TsLabel.h"

namespace {
const QFileDevice::Permissions kReadOnlyFolder =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

// The XDG base directories of one user, and of the computer, inside a folder of the test's own.
class Homes {
public:
    Homes() { Use("first"); }
    ~Homes() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS"})
            qunsetenv(name);
    }
    void Use(const QString& user) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Path(user + "/.config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(Path(user + "/.local/share")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(Path("etc/xdg")));
    }
    QString Path(const QString& name) const { return root_.filePath(name); }
    void Write(const QString& name, const QString& text) const {
        QDir().mkpath(QFileInfo(Path(name)).path());
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(EncodeGbk(text));
    }

private:
    QTemporaryDir root_;
};

CentreInfo Read() {
    CentreInfo info;
    ReadConfig(info.name, info.tel, info.adds);
    return info;
}
}  // namespace

class DataFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void writableFolderIsPortable();
    void readOnlyFolderIsInstalled();
    void installedSettingsLayerUserOverSystem();
    void eachUserKeepsTheirOwnSettings();
    void unwritableHomeIsReportedAndLosesNothing();
    void settingsDialogSaysWhereItSaves();
};

void DataFoldersTest::writableFolderIsPortable() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    QVERIFY(!DataFolders::Installed());
    QCOMPARE(DataFolders::SettingsFile(), dir.File("config.ini"));
    QCOMPARE(DataFolders::SettingsFiles(), QStringList{dir.File("config.ini")});
    QCOMPARE(DataFolders::UserDataFolder(), dir.Path());
    WriteConfig("甲", "1", "2");
    QVERIFY(QFile::exists(dir.File("config.ini")));
    QVERIFY(!QFile::exists(homes.Path("first/.config/quorvane/config.ini")));
}

void DataFoldersTest::readOnlyFolderIsInstalled() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    QVERIFY(DataFolders::Installed());
    QCOMPARE(DataFolders::SettingsFile(), homes.Path("first/.config/quorvane/config.ini"));
    QCOMPARE(DataFolders::SettingsFiles(),
             QStringList({homes.Path("first/.config/quorvane/config.ini"), homes.Path("etc/xdg/quorvane/config.ini")}));
    QCOMPARE(DataFolders::UserDataFolder(), homes.Path("first/.local/share/quorvane/"));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::installedSettingsLayerUserOverSystem() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    homes.Write("etc/xdg/quorvane/config.ini", "[config]\r\nname=平安驾校\r\ntel=010-1\r\n");
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));

    CentreInfo info = Read();
    QCOMPARE(info.name, QStringLiteral("平安驾校"));
    QCOMPARE(info.tel, QStringLiteral("010-1"));
    QCOMPARE(info.adds, DefaultCentreInfo().adds);

    // The user's own file overrides the computer's key by key.
    homes.Write("first/.config/quorvane/config.ini", "[config]\r\ntel=\r\n");
    info = Read();
    QCOMPARE(info.name, QStringLiteral("平安驾校"));
    QCOMPARE(info.tel, QString());

    WriteConfig("分校", "2", "幸福路1号");
    info = Read();
    QCOMPARE(info.name, QStringLiteral("分校"));
    QCOMPARE(info.adds, QStringLiteral("幸福路1号"));
    QVERIFY(!QFile::exists(dir.File("config.ini")));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::eachUserKeepsTheirOwnSettings() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    WriteConfig("第一位", "1", "");
    homes.Use("second");
    QCOMPARE(Read().name, DefaultCentreInfo().name);
    WriteConfig("第二位", "2", "");
    homes.Use("first");
    QCOMPARE(Read().name, QStringLiteral("第一位"));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::unwritableHomeIsReportedAndLosesNothing() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    homes.Write("first/.config/quorvane/config.ini", "[config]\r\nname=旧名\r\n");
    QVERIFY(QFile::setPermissions(homes.Path("first/.config/quorvane"), kReadOnlyFolder));
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    QString message;
    try {
        WriteConfig("新名", "1", "");
    } catch (const Exception& error) {
        message = error.Message();
    }
    QCOMPARE(message, "Unable to write to " + homes.Path("first/.config/quorvane/config.ini"));
    QCOMPARE(Read().name, QStringLiteral("旧名"));
    QVERIFY(QFile::setPermissions(homes.Path("first/.config/quorvane"), kWritableFolder));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::settingsDialogSaysWhereItSaves() {
    TestAppDir dir(TestAppDir::NoBanks);
    Homes homes;
    {
        TfrmConfig portable;
        QVERIFY(portable.lblSaveTo->isHidden());
    }
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    TfrmConfig installed;
    QVERIFY(!installed.lblSaveTo->isHidden());
    QVERIFY2(installed.lblSaveTo->text().contains(homes.Path("first/.config/quorvane/config.ini")),
             qPrintable(installed.lblSaveTo->text()));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

QV_TEST_MAIN(DataFoldersTest)
#include "tst_datafolders.moc"
