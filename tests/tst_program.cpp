// The whole program, started as a training centre would install it: its start-up, the failures it
// survives, and the screenshot tour.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "TestSupport.h"
#include "app/RecordCharts.h"
#include "platform/GbkText.h"

namespace {
// Copies the program into the test's folder (its path has Chinese characters and a blank), with the module its
// records window loads, and runs it there, unattended.
ProcessRun RunProgram(const TestAppDir& dir, const QStringList& arguments) {
    QFile::copy(BuiltProgram(), dir.File("quorvane"));
    dir.LinkBuilt(kRecordChartsModule);
    QFile(dir.File("quorvane")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return RunProcess(dir.File("quorvane"), arguments);
}

QJsonObject ReadJson(const QString& fileName) {
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    return QJsonDocument::fromJson(file.readAll()).object();
}

QJsonObject Control(const QJsonObject& form, const QString& name) {
    for (const QJsonValue control : form["controls"].toArray()) {
        if (control["name"].toString() == name)
            return control.toObject();
    }
    return {};
}
}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void tourShowsEveryWindowWithTheCentresSettings();
    void startsDespiteABrokenBank_data();
    void startsDespiteABrokenBank();
};

void ProgramTest::tourShowsEveryWindowWithTheCentresSettings() {
    TestAppDir dir;
    dir.WriteFile("config.ini",
                  EncodeGbk(QStringLiteral("[config]\r\nname=平安驾校\r\ntel=12345\r\nadds=东路1号\r\n")));
    const QString out = dir.File("tour");
    const ProcessRun run = RunProgram(dir, {QStringLiteral("--tour"), out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.err.contains(QLatin1String("Quorvane:")), qPrintable(run.err));

    for (const char* form : {"frmMain", "frmMainInactive", "frmConfig", "MessageBox", "frmSkinStates", "PopupMenu1",
                             "frmRecords", "frmResult", "frmMistakes"}) {
        QVERIFY2(QFile::exists(out + '/' + form + ".png"), form);
    }
    const QJsonObject main = ReadJson(out + "/frmMain.json");
    QCOMPARE(main["caption"].toString(), QStringLiteral("Quorvane（２０２５年新版题库）"));
    QCOMPARE(main["client"]["width"].toInt(), 705);
    QCOMPARE(main["client"]["height"].toInt(), 430);
    const QJsonObject lbl1 = Control(main, "lbl1");
    QCOMPARE(lbl1["text"].toString(), QStringLiteral("平安驾校"));
    QCOMPARE(lbl1["font"]["family"].toString(), QStringLiteral("黑体"));
    QCOMPARE(lbl1["font"]["pixelSize"].toInt(), 19);
    const QJsonObject button = Control(main, "sSpeedButton4");
    QCOMPARE(button["parent"].toString(), QStringLiteral("sGroupBox1"));
    QCOMPARE(QRect(button["x"].toInt(), button["y"].toInt(), button["width"].toInt(), button["height"].toInt()),
             QRect(424, 150, 137, 41));
    QVERIFY(button["visible"].toBool());
    QCOMPARE(Control(main, "N3D1")["parent"].toString(), QStringLiteral("PopupMenu5"));
    QCOMPARE(Control(main, "N3D1")["text"].toString(), QStringLiteral("模拟驾驶游戏"));

    const QJsonObject config = ReadJson(out + "/frmConfig.json");
    QCOMPARE(config["caption"].toString(), QStringLiteral("参数设定"));
    QCOMPARE(Control(config, "sEdit3")["text"].toString(), QStringLiteral("东路1号"));
}

void ProgramTest::startsDespiteABrokenBank_data() {
    QTest::addColumn<QString>("bank");
    QTest::addColumn<QByteArray>("content");  // empty: the file is missing
    QTest::addColumn<QString>("message");

    QTest::newRow("t1 missing") << "t1.mdb" << QByteArray() << "Could not find file '%1'.";
    QTest::newRow("t2 missing") << "t2.mdb" << QByteArray() << "Could not find file '%1'.";
    QTest::newRow("t1 not a bank") << "t1.mdb" << QByteArray("not a database at all")
                                   << "Unrecognized database format '%1'.";
}

// One message at start-up, and the main window all the same.
void ProgramTest::startsDespiteABrokenBank() {
    QFETCH(QString, bank);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    TestAppDir dir;
    QFile::remove(dir.File(bank));
    if (!content.isEmpty())
        dir.WriteFile(bank, content);
    const ProcessRun run = RunProgram(dir, {QStringLiteral("--exit-after-show")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err.split('\n').filter(QStringLiteral("Quorvane: ")),
             QStringList{QStringLiteral("Quorvane: ") + message.arg(dir.File(bank))});
}

QV_TEST_MAIN(ProgramTest)
#include "tst_program.moc"
