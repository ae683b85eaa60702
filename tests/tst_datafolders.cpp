// Where the program writes: in its own folder when that can be written, in each user's home when it is
// installed read-only, with a training centre's settings for the whole computer beneath the user's own.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "StoredCentreInfo.h"
#include "TestSupport.h"
#include "app/UfrmConfig.h"
#include "app/Upublic.h"
#include "app/UserFoldersCheck.h"
#include "platform/DataFolders.h"
#include "platform/Exception.h"
#include "platform/GbkText.h"
#include "skin/controls/TsLabel.h"

namespace {
const QFileDevice::Permissions kReadOnlyFolder =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
const QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

void Write(const TestHomes& homes, const QString& name, const QString& text) {
    QDir().mkpath(QFileInfo(homes.Path(name)).path());
    QFile file(homes.Path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(EncodeGbk(text));
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
    void unwritableUserFoldersAreReportedOnce_data();
    void unwritableUserFoldersAreReportedOnce();
    void settingsDialogSaysWhereItSaves();
};

void DataFoldersTest::writableFolderIsPortable() {
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
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
    TestHomes homes;
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
    TestHomes homes;
    Write(homes, "etc/xdg/quorvane/config.ini", "[config]\r\nname=平安驾校\r\ntel=010-1\r\n");
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));

    CentreInfo info = StoredCentreInfo();
    QCOMPARE(info.name, QStringLiteral("平安驾校"));
    QCOMPARE(info.tel, QStringLiteral("010-1"));
    QCOMPARE(info.adds, DefaultCentreInfo().adds);

    // The user's own file overrides the computer's key by key.
    Write(homes, "first/.config/quorvane/config.ini", "[config]\r\ntel=\r\n");
    info = StoredCentreInfo();
    QCOMPARE(info.name, QStringLiteral("平安驾校"));
    QCOMPARE(info.tel, QString());

    WriteConfig("分校", "2", "幸福路1号");
    info = StoredCentreInfo();
    QCOMPARE(info.name, QStringLiteral("分校"));
    QCOMPARE(info.adds, QStringLiteral("幸福路1号"));
    QVERIFY(!QFile::exists(dir.File("config.ini")));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::eachUserKeepsTheirOwnSettings() {
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    WriteConfig("第一位", "1", "");
    homes.Use("second");
    QCOMPARE(StoredCentreInfo().name, DefaultCentreInfo().name);
    WriteConfig("第二位", "2", "");
    homes.Use("first");
    QCOMPARE(StoredCentreInfo().name, QStringLiteral("第一位"));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::unwritableHomeIsReportedAndLosesNothing() {
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
    Write(homes, "first/.config/quorvane/config.ini", "[config]\r\nname=旧名\r\n");
    QVERIFY(QFile::setPermissions(homes.Path("first/.config/quorvane"), kReadOnlyFolder));
    QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    QString message;
    try {
        WriteConfig("新名", "1", "");
    } catch (const Exception& error) {
        message = error.Message();
    }
    QCOMPARE(message, "Unable to write to " + homes.Path("first/.config/quorvane/config.ini"));
    QCOMPARE(StoredCentreInfo().name, QStringLiteral("旧名"));
    QVERIFY(QFile::setPermissions(homes.Path("first/.config/quorvane"), kWritableFolder));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::unwritableUserFoldersAreReportedOnce_data() {
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QStringList>("readOnly");  // folders in the homes made read-only
    QTest::addColumn<QString>("file");          // a file where a folder should be
    QTest::addColumn<QStringList>("reported");

    const QString config = QStringLiteral("first/.config/quorvane");
    const QString data = QStringLiteral("first/.local/share/quorvane");
    QTest::newRow("writable home") << true << QStringList() << QString() << QStringList();
    QTest::newRow("portable, home read-only") << false << QStringList{config, data} << QString() << QStringList();
    QTest::newRow("data folder read-only") << true << QStringList{data} << QString() << QStringList{data};
    QTest::newRow("data folder cannot be made") << true << QStringList() << "first/.local" << QStringList{data};
    QTest::newRow("home read-only") << true << QStringList{config, data} << QString() << QStringList{config, data};
}

// The program goes on and says so in one message, whichever folders fail and whoever runs it.
void DataFoldersTest::unwritableUserFoldersAreReportedOnce() {
    QFETCH(bool, installed);
    QFETCH(QStringList, readOnly);
    QFETCH(QString, file);
    QFETCH(QStringList, reported);
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
    for (const QString& folder : readOnly) {
        QDir().mkpath(homes.Path(folder));
        QVERIFY(QFile::setPermissions(homes.Path(folder), kReadOnlyFolder));
    }
    if (!file.isEmpty())
        Write(homes, file, QString());
    if (installed)
        QVERIFY(QFile::setPermissions(dir.Path(), kReadOnlyFolder));
    {
        MessageBoxRecorder boxes;
        WarnOfUnwritableUserFolders();
        QCOMPARE(boxes.shown.size(), size_t(reported.isEmpty() ? 0 : 1));
        for (const QString& folder : reported)
            QVERIFY2(boxes.shown.front().text.contains(homes.Path(folder)), qPrintable(boxes.shown.front().text));
        if (!reported.isEmpty())
            QVERIFY(boxes.shown.front().text.startsWith(QStringLiteral("无法写入")));
    }
    for (const QString& folder : readOnly)
        QVERIFY(QFile::setPermissions(homes.Path(folder), kWritableFolder));
    QVERIFY(QFile::setPermissions(dir.Path(), kWritableFolder));
}

void DataFoldersTest::settingsDialogSaysWhereItSaves() {
    TestAppDir dir(TestAppDir::NoBanks);
    TestHomes homes;
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
