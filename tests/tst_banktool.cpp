// quorvane-bank, run as training centres run it: checking a folder's banks, composing a paper, and the way out to
// JSON and back.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringEncoder>
#include <QTest>
#include <map>

#include "FullDisk.h"
#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/GbkText.h"

namespace {

ProcessRun BankTool(const QStringList& args) {
    return RunProcess(qEnvironmentVariable("QV_BANKTOOL"), args);
}

QByteArray Png() {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    picture.save(&png, "PNG");
    return png.data();
}

// The folder's image/: 3.png, which MixedQuestions() names, and two pages the program cannot show as pictures, one
// of them named like a picture.
void WritePictures(const TestAppDir& dir) {
    QVERIFY(QDir().mkpath(dir.File("image")));
    dir.WriteFile("image/3.png", Png());
    dir.WriteFile("image/JQ1.htm", "<html><body>交通信号</body></html>");
    dir.WriteFile("image/fake.png", "<html><body>交通信号</body></html>");
}

// Every file of the folder (not of its subfolders), hidden ones included, with its content.
std::map<QString, QByteArray> FilesIn(const TestAppDir& dir) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden))
        files[name] = dir.ReadFile(name);
    return files;
}

QByteArray Utf16(const QString& text, QStringEncoder::Encoding encoding) {
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

constexpr int kMotorcycleBase = 50000;
// The largest quota of each chapter over the groups that read the bank.
const Chapters kCarChapters{{1, 30}, {2, 20}, {3, 20}, {4, 10}, {5, 10}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}};
const Chapters kMotorcycleChapters{{1, 30}, {2, 25}, {3, 25}, {4, 10}, {5, 5}, {6, 1}, {7, 4}};

Chapters With(Chapters chapters, int chapter, int count) {
    chapters[chapter] = count;
    return chapters;
}

struct Folder {
    Folder(const Chapters& cars, const Chapters& motorcycles) {
        WriteBank(dir.File("t1.mdb"), ExamBank(cars, 0));
        WriteBank(dir.File("t2.mdb"), ExamBank(motorcycles, kMotorcycleBase));
    }
    TestAppDir dir{TestAppDir::NoBanks};
};

// The block of `check`'s report that belongs to one vehicle group.
QString GroupBlock(const QString& report, int kind) {
    const qsizetype start = report.indexOf(QStringLiteral("车型 %1：").arg(kind));
    const qsizetype end = report.indexOf(QStringLiteral("\n\n"), start);
    return start < 0 ? QString() : report.mid(start, end - start);
}

ResultSet Select(const QString& bank, const QString& sql) {
    Connection connection;
    TDM::OpenDatabase(&connection, bank);
    return connection.Select(sql);
}

// A question of every shape a bank holds: four options with a picture, true/false, an empty C before a D.
QList<Question> MixedQuestions() {
    return {{3,
             1,
             QStringLiteral("遇到“让”字标志怎么办？"),
             {"停车", "减速让行", "鸣喇叭", "加速"},
             2,
             "3.png",
             QStringLiteral("“让”字标志要求减速让行。")},
            {8, 10, QStringLiteral("轮式机械可以上高速公路。"), {"正确", "错误", "", ""}, 2, "", ""},
            {12, 7, QStringLiteral("引号\"与反斜杠\\都要保留"), {"甲", "乙", "", "丁"}, 4, "", ""}};
}

QByteArray ImportJson(const QString& questions, const QString& progress = QStringLiteral("null")) {
    return QStringLiteral(R"({"format": "quorvane-bank", "version": 1, "questions": [%1], "JD": %2})")
        .arg(questions, progress)
        .toUtf8();
}

const QString kGoodQuestion = QStringLiteral(
    R"({"ID": 1, "zhanjie": "1", "question": "题", "ans1": "甲", "ans2": "乙", "ans3": "", "ans4": "", "bmp": "",
        "ans": 1})");

const QString kCsvHeader = QStringLiteral("题号,章节,题目,选项A,选项B,选项C,选项D,图片,答案,解析\r\n");

QString GoodQuestionWith(const QString& key, const QString& json) {
    QJsonObject question = QJsonDocument::fromJson(kGoodQuestion.toUtf8()).object();
    question.insert(key, QJsonDocument::fromJson(("[" + json + "]").toUtf8()).array().first());
    return QString::fromUtf8(QJsonDocument(question).toJson(QJsonDocument::Compact));
}

}  // namespace

class BankToolTest : public QObject {
    Q_OBJECT

private slots:
    void checkReportsEachGroup_data();
    void checkReportsEachGroup();
    void checkPassesOnTheShippedBank();
    void checkNamesQuestionsTheProgramCannotUse();
    void paperFollowsTheQuotas_data();
    void paperFollowsTheQuotas();
    void paperRefusesWhatCannotBeExamined_data();
    void paperRefusesWhatCannotBeExamined();
    void exportAndImportKeepEverything_data();
    void exportAndImportKeepEverything();
    void importRefusesBadInput_data();
    void importRefusesBadInput();
    void importTakesAQuestionWithoutExplanation();
    void importLeavesAReadOnlyBankAlone();
    void failuresAreExplainedAndChangeNothing_data();
    void failuresAreExplainedAndChangeNothing();
    void csvRoundTripKeepsQuestionsAndProgress();
    void csvKeepsFormulaTextsAsText_data();
    void csvKeepsFormulaTextsAsText();
    void csvImportReadsEachEncoding_data();
    void csvImportReadsEachEncoding();
    void csvImportRefusesBadText_data();
    void csvImportRefusesBadText();
    void csvImportNamesEveryBadRow();
    void malformedCommandLineShowsUsage_data();
    void malformedCommandLineShowsUsage();
};

void BankToolTest::checkReportsEachGroup_data() {
    QTest::addColumn<Chapters>("cars");
    QTest::addColumn<Chapters>("motorcycles");
    QTest::addColumn<QList<int>>("failing");
    QTest::addColumn<QString>("shortLine");  // "chapter available needed" of the short chapter, if any

    QTest::newRow("every quota met exactly") << kCarChapters << kMotorcycleChapters << QList<int>{} << "";
    QTest::newRow("car chapter 2 one short")
        << With(kCarChapters, 2, 19) << kMotorcycleChapters << QList<int>{1} << "2 19 20";
    QTest::newRow("chapter 3 short fails all four groups of t1.mdb")
        << With(kCarChapters, 3, 12) << kMotorcycleChapters << QList<int>{1, 2, 3, 4} << "3 12 20";
    QTest::newRow("truck chapter empty") << With(kCarChapters, 9, 0) << kMotorcycleChapters << QList<int>{3} << "9 0 5";
    QTest::newRow("motorcycle chapter 7 one short")
        << kCarChapters << With(kMotorcycleChapters, 7, 3) << QList<int>{5} << "7 3 4";
    QTest::newRow("motorcycle chapter 7 empty")
        << kCarChapters << With(kMotorcycleChapters, 7, 0) << QList<int>{5} << "7 0 4";
    QTest::newRow("motorcycle chapter 6 does not repeat")
        << kCarChapters << With(kMotorcycleChapters, 6, 0) << QList<int>{5} << "6 0 1";
}

void BankToolTest::checkReportsEachGroup() {
    QFETCH(Chapters, cars);
    QFETCH(Chapters, motorcycles);
    QFETCH(QList<int>, failing);
    QFETCH(QString, shortLine);
    const Folder folder(cars, motorcycles);

    const ProcessRun run = BankTool({"check", "--appdir", folder.dir.Path()});

    QCOMPARE(run.exitCode, failing.isEmpty() ? 0 : 1);
    for (int kind = 1; kind <= 5; ++kind) {
        const QString block = GroupBlock(run.out, kind);
        QVERIFY2(!block.isEmpty(), qPrintable(run.out));
        QVERIFY2(block.endsWith(failing.contains(kind) ? QStringLiteral("无法组卷") : QStringLiteral("可以组卷")),
                 qPrintable(block));
        if (failing.contains(kind)) {
            const QStringList numbers = shortLine.split(u' ');
            const QRegularExpression line(
                QStringLiteral("\\n\\s+%1\\s+%2\\s+%3\\s+不足\\n").arg(numbers[0], numbers[1], numbers[2]));
            QVERIFY2(line.match(block + u'\n').hasMatch(), qPrintable(block));
        }
    }
}

// A bank made elsewhere, without the key that keeps IDs whole and unique: every question the program could not
// show or judge is named by its ID, and the check fails.
void BankToolTest::checkNamesQuestionsTheProgramCannotUse() {
    const Folder folder(kCarChapters, kMotorcycleChapters);
    WritePictures(folder.dir);
    Connection bank;
    TDM::OpenDatabase(&bank, folder.dir.File("t1.mdb"));
    bank.Execute(QStringLiteral(
        "alter table question rename to keyed; create table question as select * from keyed; drop table keyed; "
        "update question set bmp='missing.png' where ID=1001; update question set ans=NULL where ID=1002; "
        "update question set ans=7 where ID=1003; update question set ID=1005 where ID=1004; "
        "update question set ID=1006.5 where ID=1006; update question set bmp='JQ1.htm' where ID=1007; "
        "update question set bmp='fake.png' where ID=1008; update question set bmp='3.png' where ID=1009"));
    bank.Close();

    const ProcessRun run = BankTool({"check", "--appdir", folder.dir.Path()});

    QCOMPARE(run.exitCode, 1);
    for (const QString& line :
         {QStringLiteral("题目 ID 1001：图片 missing.png 不在"), QStringLiteral("题目 ID 1002：答案 ans 应当是 1 到 4"),
          QStringLiteral("题目 ID 1003：答案 ans 应当是 1 到 4"), QStringLiteral("题目 ID 1005：ID 重复（共 2 道题）"),
          QStringLiteral("题目 ID 1006.5：ID 不是正整数"),
          QStringLiteral("题目 ID 1007：图片 JQ1.htm 不是程序能显示的图片"),
          QStringLiteral("题目 ID 1008：图片 fake.png 不是程序能显示的图片")}) {
        QVERIFY2(run.out.contains(line), qPrintable(line + u'\n' + run.out));
    }
    QVERIFY2(!run.out.contains(QStringLiteral("ID 1009")), qPrintable(run.out));
}

// Also shows that the tool looks beside itself when no folder is given.
void BankToolTest::checkPassesOnTheShippedBank() {
    const ProcessRun run = BankTool({"check"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
    QVERIFY(run.out.contains(QStringLiteral("全部车型都可以组卷")));
}

void BankToolTest::paperFollowsTheQuotas_data() {
    QTest::addColumn<int>("kind");
    // chapter, first and last position of each chapter, in paper order
    QTest::addColumn<QList<QList<int>>>("quotas");

    const QList<QList<int>> shared{{1, 1, 30},  {2, 31, 45}, {3, 46, 65}, {4, 66, 75},
                                   {5, 76, 85}, {6, 86, 90}, {7, 91, 95}};
    QTest::newRow("1 cars") << 1 << QList<QList<int>>{{1, 1, 30},  {2, 31, 50}, {3, 51, 70}, {4, 71, 80},
                                                      {5, 81, 90}, {6, 91, 95}, {7, 96, 100}};
    QTest::newRow("2 buses") << 2 << shared + QList<QList<int>>{{8, 96, 100}};
    QTest::newRow("3 trucks") << 3 << shared + QList<QList<int>>{{9, 96, 100}};
    QTest::newRow("4 machinery") << 4 << shared + QList<QList<int>>{{10, 96, 100}};
    QTest::newRow("5 motorcycles") << 5 << QList<QList<int>>{{1, 1, 30},  {2, 31, 55}, {3, 56, 80}, {4, 81, 90},
                                                             {5, 91, 95}, {6, 96, 96}, {7, 97, 100}};
}

// On banks with exactly the largest quotas, so each chapter that fills its positions must give all its questions.
void BankToolTest::paperFollowsTheQuotas() {
    QFETCH(int, kind);
    QFETCH(QList<QList<int>>, quotas);
    const Folder folder(kCarChapters, kMotorcycleChapters);

    const ProcessRun run = BankTool({"paper", "--kind", QString::number(kind), "--appdir", folder.dir.Path()});

    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QJsonParseError error{};
    const QJsonObject paper = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(run.out));
    QCOMPARE(paper.value("kind").toInt(), kind);
    const QJsonArray ids = paper.value("ids").toArray();
    QCOMPARE(ids.size(), 100);
    const int base = kind == 5 ? kMotorcycleBase : 0;
    QSet<int> seen;
    for (const QList<int>& quota : quotas) {
        for (int position = quota[1]; position <= quota[2]; ++position) {
            const int id = ids[position - 1].toInt();
            QVERIFY2(id > base && (id - base) / 1000 == quota[0],
                     qPrintable(QStringLiteral("position %1 holds ID %2").arg(position).arg(id)));
            QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("ID %1 stands twice").arg(id)));
            seen.insert(id);
        }
    }
}

void BankToolTest::paperRefusesWhatCannotBeExamined_data() {
    QTest::addColumn<Chapters>("cars");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");

    QTest::newRow("chapter too small") << With(kCarChapters, 2, 19) << "1"
                                       << "第2章只有19道题，需要20道";
    QTest::newRow("own chapter empty") << With(kCarChapters, 10, 0) << "4"
                                       << "第10章只有0道题，需要5道";
    QTest::newRow("kind 0") << kCarChapters << "0"
                            << "--kind 应当是 1 到 5";
    QTest::newRow("kind 6") << kCarChapters << "6"
                            << "--kind 应当是 1 到 5";
    QTest::newRow("kind not a number") << kCarChapters << "C1"
                                       << "--kind 应当是 1 到 5";
}

void BankToolTest::paperRefusesWhatCannotBeExamined() {
    QFETCH(Chapters, cars);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const Folder folder(cars, kMotorcycleChapters);

    const ProcessRun run = BankTool({"paper", "--kind", kind, "--appdir", folder.dir.Path()});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

void BankToolTest::exportAndImportKeepEverything_data() {
    QTest::addColumn<bool>("withProgress");
    QTest::newRow("t1.mdb with JD") << true;
    QTest::newRow("t2.mdb without JD") << false;
}

void BankToolTest::exportAndImportKeepEverything() {
    QFETCH(bool, withProgress);
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString original = dir.File("t1.mdb");
    WritePictures(dir);
    if (withProgress) {
        WriteBank(original, MixedQuestions());
        Connection connection;
        TDM::OpenDatabase(&connection, original);
        connection.Execute(QStringLiteral("update JD set 进度=17 where 名称='3'; insert into JD values('自定', 4)"));
    } else {
        BankWriter::write(original, MixedQuestions(), BankConnection::kDatabasePassword, false);
    }

    QCOMPARE(BankTool({"export", original, dir.File("bank.json")}).exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(dir.ReadFile("bank.json")).object();
    QCOMPARE(json.value("questions").toArray().size(), 3);
    QCOMPARE(json.value("questions").toArray().first().toObject().value("zhanjie"), QJsonValue("1"));
    QCOMPARE(json.value("JD").isNull(), !withProgress);
    QCOMPARE(json.value("questions").toArray().first().toObject().value("jiexi"),
             QJsonValue(QStringLiteral("“让”字标志要求减速让行。")));
    QCOMPARE(BankTool({"import", dir.File("bank.json"), dir.File("copy.mdb")}).exitCode, 0);

    const QString questions = QStringLiteral(
        "select ID, zhanjie, question, ans1, ans2, ans3, ans4, bmp, ans, jiexi "
        "from question order by ID");
    QCOMPARE(Select(dir.File("copy.mdb"), questions).rows, Select(original, questions).rows);
    const QString tables = QStringLiteral("select name from sqlite_master where name='JD'");
    QCOMPARE(Select(dir.File("copy.mdb"), tables).rows.size(), size_t(withProgress ? 1 : 0));
    if (withProgress) {
        const QString progress = QStringLiteral("select 名称, 进度 from JD order by 名称");
        QCOMPARE(Select(dir.File("copy.mdb"), progress).rows, Select(original, progress).rows);
        QCOMPARE(
            Select(dir.File("copy.mdb"), QStringLiteral("select 进度 from JD where 名称='3'")).rows.front().front(),
            QVariant(17LL));
    }
}

void BankToolTest::importRefusesBadInput_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    QTest::newRow("not JSON") << QByteArray("{\"questions\": [") << "不是有效的 JSON";
    QTest::newRow("top level array") << QByteArray("[]") << "最外层应当是一个对象";
    QTest::newRow("other format") << QByteArray(R"({"format": "csv", "version": 1, "questions": [], "JD": null})")
                                  << "不是本工具导出的题库格式";
    QTest::newRow("no questions") << ImportJson("") << "没有题目";
    QTest::newRow("JD left out")
        << QStringLiteral(R"({"format": "quorvane-bank", "version": 1, "questions": [%1]})").arg(kGoodQuestion).toUtf8()
        << "缺少字段“JD”";
    QTest::newRow("column missing") << ImportJson(QString(kGoodQuestion).replace(QStringLiteral("\"bmp\": \"\","), ""))
                                    << "第 1 道题：缺少字段“bmp”";
    QTest::newRow("unknown column") << ImportJson(GoodQuestionWith("extra", "1")) << "不认识的字段“extra”";
    QTest::newRow("ID zero") << ImportJson(GoodQuestionWith("ID", "0")) << "ID 应当是正整数";
    QTest::newRow("jiexi not text") << ImportJson(GoodQuestionWith("jiexi", "1")) << "“jiexi”应当是文本";
    QTest::newRow("ID not whole") << ImportJson(GoodQuestionWith("ID", "1.5")) << "“ID”应当是整数";
    QTest::newRow("ID twice") << ImportJson(kGoodQuestion + "," + kGoodQuestion) << "第 2 道题：ID 1 重复";
    QTest::newRow("chapter 11") << ImportJson(GoodQuestionWith("zhanjie", "\"11\"")) << "zhanjie 应当是";
    QTest::newRow("chapter 01") << ImportJson(GoodQuestionWith("zhanjie", "\"01\"")) << "zhanjie 应当是";
    QTest::newRow("chapter as number") << ImportJson(GoodQuestionWith("zhanjie", "1")) << "“zhanjie”应当是文本";
    QTest::newRow("empty question") << ImportJson(GoodQuestionWith("question", "\" \"")) << "question 不能为空";
    QTest::newRow("answer 5") << ImportJson(GoodQuestionWith("ans", "5")) << "ans 应当是 1 到 4";
    QTest::newRow("answer names an empty option")
        << ImportJson(GoodQuestionWith("ans", "3")) << "ans 所指的选项 C 是空的";
    QTest::newRow("picture with a path") << ImportJson(GoodQuestionWith("bmp", "\"../x.png\""))
                                         << "bmp 应当是单纯的文件名";
    QTest::newRow("JD not a list") << ImportJson(kGoodQuestion, "{}") << "“JD”应当是一个数组或 null";
    QTest::newRow("t1.mdb without JD") << ImportJson(kGoodQuestion) << "t1.mdb 必须带有进度表";
    QTest::newRow("picture not in image/")
        << ImportJson(GoodQuestionWith("bmp", "\"none.png\""), "[]") << "第 1 道题（ID 1）的图片 none.png 不在";
    QTest::newRow("picture is a page") << ImportJson(GoodQuestionWith("bmp", "\"JQ1.htm\""), "[]")
                                       << "第 1 道题（ID 1）的图片 JQ1.htm 不是程序能显示的图片";
    QTest::newRow("page named as a picture") << ImportJson(GoodQuestionWith("bmp", "\"fake.png\""), "[]")
                                             << "第 1 道题（ID 1）的图片 fake.png 不是程序能显示的图片";
    QTest::newRow("JD key twice") << ImportJson(kGoodQuestion,
                                                R"([{"名称": "0", "进度": 1}, {"名称": "0", "进度": 2}])")
                                  << "JD 第 2 行：名称“0”重复";
    QTest::newRow("JD negative") << ImportJson(kGoodQuestion, R"([{"名称": "0", "进度": -1}])") << "进度不能是负数";
}

namespace {

// The bank already in place stays exactly as it was, and nothing is left beside it.
void ExpectImportRefused(const QString& input, const QByteArray& bytes, const QString& message) {
    const TestAppDir dir(TestAppDir::NoBanks);
    WriteBank(dir.File("t1.mdb"), MixedQuestions());
    WritePictures(dir);
    const QByteArray before = dir.ReadFile("t1.mdb");
    dir.WriteFile(input, bytes);

    const ProcessRun run = BankTool({"import", dir.File(input), dir.File("t1.mdb")});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.contains(dir.File(input)), qPrintable(run.err));
    QCOMPARE(dir.ReadFile("t1.mdb"), before);
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({input, "t1.mdb"}));
}

}  // namespace

void BankToolTest::importRefusesBadInput() {
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    ExpectImportRefused("in.json", json, message);
}

void BankToolTest::importLeavesAReadOnlyBankAlone() {
    const TestAppDir dir(TestAppDir::NoBanks);
    WriteBank(dir.File("t1.mdb"), MixedQuestions());
    const QByteArray before = dir.ReadFile("t1.mdb");
    QVERIFY(QFile::setPermissions(dir.File("t1.mdb"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    dir.WriteFile("in.json", ImportJson(kGoodQuestion, "[]"));

    const ProcessRun run = BankTool({"import", dir.File("in.json"), dir.File("t1.mdb")});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("是只读的")), qPrintable(run.err));
    QCOMPARE(dir.ReadFile("t1.mdb"), before);
    QCOMPARE(QFile::permissions(dir.File("t1.mdb")) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
}

void BankToolTest::importTakesAQuestionWithoutExplanation() {
    const TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile("in.json", ImportJson(kGoodQuestion, "[]"));
    QCOMPARE(BankTool({"import", dir.File("in.json"), dir.File("t1.mdb")}).exitCode, 0);
    QCOMPARE(Select(dir.File("t1.mdb"), QStringLiteral("select jiexi from question")).rows.front().front(), QVariant());
}

void BankToolTest::failuresAreExplainedAndChangeNothing_data() {
    QTest::addColumn<QStringList>("args");  // a command and names of files in the test's folder
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("message");

    QTest::newRow("export of a missing bank")
        << QStringList{"export", "missing.mdb", "old.json"} << false << "找不到题库文件";
    QTest::newRow("export of a file that is no bank")
        << QStringList{"export", "notes.mdb", "old.json"} << false << "notes.mdb 不是本程序的题库文件，或者已经损坏。";
    QTest::newRow("import over a file that is no bank")
        << QStringList{"import", "in.csv", "notes.mdb"} << false << "notes.mdb 不是本程序的题库文件，或者已经损坏。";
    QTest::newRow("import of a missing file")
        << QStringList{"import", "missing.json", "new.mdb"} << false << "找不到文件";
    QTest::newRow("import into a missing folder")
        << QStringList{"import", "in.json", "missing/t1.mdb"} << false << "无法写入题库";
    QTest::newRow("import on a full disk") << QStringList{"import", "in.json", "t1.mdb"} << true << "无法写入题库";
    QTest::newRow("export on a full disk") << QStringList{"export", "t1.mdb", "old.json"} << true
                                           << "old.json：文件超出了系统允许的大小。原有的文件没有改动。";
}

// The cause is told in Chinese on the first line (the database's or the system's own text may follow), and every
// file stays as it was, with nothing left beside them.
void BankToolTest::failuresAreExplainedAndChangeNothing() {
    QFETCH(QStringList, args);
    QFETCH(bool, fullDisk);
    QFETCH(QString, message);
    const TestAppDir dir(TestAppDir::NoBanks);
    WriteBank(dir.File("t1.mdb"), MixedQuestions());
    WritePictures(dir);
    dir.WriteFile("notes.mdb", "not a database");
    dir.WriteFile("old.json", "kept");
    dir.WriteFile("in.json", ImportJson(kGoodQuestion, "[]"));
    dir.WriteFile("in.csv", (kCsvHeader + QStringLiteral("1,1,题,甲,乙,,,,A,\r\n")).toUtf8());
    const auto before = FilesIn(dir);
    QStringList arguments{args.front()};
    for (const QString& name : args.mid(1))
        arguments << dir.File(name);

    const QString tool = qEnvironmentVariable("QV_BANKTOOL");
    const ProcessRun run = fullDisk ? RunOnFullDisk(tool, arguments) : RunProcess(tool, arguments);

    QCOMPARE(run.exitCode, 1);
    const QString firstLine = run.err.section(u'\n', 0, 0);
    QVERIFY2(firstLine.startsWith(QStringLiteral("quorvane-bank: ")) && firstLine.contains(message),
             qPrintable(run.err));
    for (const char* english : {"Could not", "Unrecognized", "cannot", "Unknown error", "disk"})
        QVERIFY2(!firstLine.contains(QLatin1String(english)), qPrintable(run.err));
    QVERIFY(before == FilesIn(dir));
}

// Out to a spreadsheet and back into the bank it came from: every question as it was, and the learners' saved
// positions, which a spreadsheet does not carry, kept from the bank replaced.
void BankToolTest::csvRoundTripKeepsQuestionsAndProgress() {
    const TestAppDir dir(TestAppDir::NoBanks);
    WritePictures(dir);
    const QString bank = dir.File("t1.mdb");
    WriteBank(bank, MixedQuestions());
    {
        Connection connection;
        TDM::OpenDatabase(&connection, bank);
        connection.Execute(QStringLiteral("update JD set 进度=17 where 名称='3'"));
    }
    const QString questions = QStringLiteral(
        "select ID, zhanjie, question, ans1, ans2, ans3, ans4, bmp, ans, jiexi "
        "from question order by ID");
    const auto before = Select(bank, questions).rows;

    QCOMPARE(BankTool({"export", bank, dir.File("bank.csv")}).exitCode, 0);
    const QByteArray csv = dir.ReadFile("bank.csv");
    QVERIFY(csv.startsWith("\xEF\xBB\xBF" + kCsvHeader.toUtf8()));
    QVERIFY(csv.contains(QStringLiteral("\"引号\"\"与反斜杠\\都要保留\",甲,乙,,丁,,D,").toUtf8()));
    const ProcessRun run = BankTool({"import", dir.File("bank.csv"), bank});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    QCOMPARE(Select(bank, questions).rows, before);
    QCOMPARE(Select(bank, QStringLiteral("select 进度 from JD where 名称='3'")).rows.front().front(), QVariant(17LL));
}

void BankToolTest::csvKeepsFormulaTextsAsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");  // as the file holds it

    QTest::newRow("command") << "=cmd|' /C calc'!A0"
                             << "\"'=cmd|' /C calc'!A0\"";
    QTest::newRow("link") << QStringLiteral("=HYPERLINK(\"http://x.cn\",\"点我\")")
                          << QStringLiteral("\"'=HYPERLINK(\"\"http://x.cn\"\",\"\"点我\"\")\"");
    QTest::newRow("plus") << "+1+1"
                          << "\"'+1+1\"";
    QTest::newRow("minus") << "-1+2"
                           << "\"'-1+2\"";
    QTest::newRow("at") << "@SUM(1)"
                        << "\"'@SUM(1)\"";
    QTest::newRow("tab") << "\t=1"
                         << "\"'\t=1\"";
    QTest::newRow("carriage return") << "\r=1"
                                     << "\"'\r=1\"";
    QTest::newRow("own apostrophe before a formula") << "'=1"
                                                     << "\"''=1\"";
    QTest::newRow("own apostrophe") << QStringLiteral("'好") << QStringLiteral("'好");
    QTest::newRow("negative number") << "-5"
                                     << "-5";
}

// A spreadsheet shows such texts and runs none of them; back in a bank they are as they were.
void BankToolTest::csvKeepsFormulaTextsAsText() {
    QFETCH(QString, text);
    QFETCH(QString, cell);
    const TestAppDir dir(TestAppDir::NoBanks);
    const QString bank = dir.File("t2.mdb");
    BankWriter::write(bank, {{1, 1, text, {text, "乙", "", ""}, 2, "", ""}}, BankConnection::kDatabasePassword, false);

    QCOMPARE(BankTool({"export", bank, dir.File("bank.csv")}).exitCode, 0);
    const QString csv = QString::fromUtf8(dir.ReadFile("bank.csv"));
    QVERIFY2(csv.endsWith(QStringLiteral("\r\n1,1,%1,%1,乙,,,,B,\r\n").arg(cell)), qPrintable(csv));
    const ProcessRun run = BankTool({"import", dir.File("bank.csv"), dir.File("copy.mdb")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    QCOMPARE(Select(dir.File("copy.mdb"), QStringLiteral("select question, ans1 from question")).rows,
             (std::vector<std::vector<QVariant>>{{text, text}}));
}

void BankToolTest::csvImportReadsEachEncoding_data() {
    QTest::addColumn<QByteArray>("csv");
    const QString table = kCsvHeader + QStringLiteral(
                                           "7,2,\"遇到“让”字，\"\"减速\"\"\n还是停车？\",减速让行,停车,,,,a,让行。\r\n"
                                           "\r\n"
                                           " 9 ,10,轮式机械可以上高速公路。,正确,错误,,,,B,\n");
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + table.toUtf8();
    QTest::newRow("UTF-8") << table.toUtf8();
    QTest::newRow("GBK") << EncodeGbk(table);
    QTest::newRow("UTF-16 LE with BOM") << "\xFF\xFE" + Utf16(table, QStringEncoder::Utf16LE);
    QTest::newRow("UTF-16 BE with BOM") << "\xFE\xFF" + Utf16(table, QStringEncoder::Utf16BE);
}

void BankToolTest::csvImportReadsEachEncoding() {
    QFETCH(QByteArray, csv);
    const TestAppDir dir(TestAppDir::NoBanks);
    dir.WriteFile("in.csv", csv);
    const ProcessRun run = BankTool({"import", dir.File("in.csv"), dir.File("t2.mdb")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const auto rows =
        Select(dir.File("t2.mdb"), QStringLiteral("select ID, zhanjie, question, ans, jiexi from question "
                                                  "order by ID"))
            .rows;
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(rows[0], (std::vector<QVariant>{7LL, "2", QStringLiteral("遇到“让”字，\"减速\"\n还是停车？"), 1LL,
                                             QStringLiteral("让行。")}));
    QCOMPARE(rows[1], (std::vector<QVariant>{9LL, "10", QStringLiteral("轮式机械可以上高速公路。"), 2LL, QVariant()}));
    QCOMPARE(Select(dir.File("t2.mdb"), QStringLiteral("select name from sqlite_master where name='JD'")).rows.size(),
             size_t(0));
}

void BankToolTest::csvImportRefusesBadText_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    const QString first = QStringLiteral("1,1,遇到“让”字标志怎么办？,减速让行,停车,,,,A,\r\n");
    const QString second = QStringLiteral("2,2,轮式机械可以上高速公路。,正确,错误,,,,B,\r\n");
    const QString third = QStringLiteral("3,3,夜间会车应当使用近光灯。,正确,错误,,,,A,\r\n");

    QTest::newRow("UTF-8 with one GBK row")
        << (kCsvHeader + first).toUtf8() + EncodeGbk(second) + third.toUtf8() << "第 3 行不是有效的 UTF-8 文本";
    QTest::newRow("UTF-8 with BOM and a GBK row")
        << "\xEF\xBB\xBF" + kCsvHeader.toUtf8() + EncodeGbk(first) << "第 2 行不是有效的 UTF-8 文本";
    QTest::newRow("GBK with one UTF-8 row") << EncodeGbk(kCsvHeader + first) + second.toUtf8() + EncodeGbk(third)
                                            << "第 3 行是 UTF-8 编码，而文件的其余部分是 GBK";
    QTest::newRow("UTF-16 without BOM") << Utf16(kCsvHeader + first, QStringEncoder::Utf16LE) << "UTF-16";
    QTest::newRow("quote inside a field")
        << (kCsvHeader + QStringLiteral("1,1,题\"目\",甲,乙,,,,A,\r\n")).toUtf8() << "第 2 行第 3 列：字段中间有引号";
    QTest::newRow("text after a closing quote")
        << (kCsvHeader + QStringLiteral("1,1,\"题\"目,甲,乙,,,,A,\r\n")).toUtf8()
        << "第 2 行第 3 列：右引号后面还有文字";
}

void BankToolTest::csvImportRefusesBadText() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    ExpectImportRefused("in.csv", csv, message);
}

// Every bad row is named with its column and why, and the bank in place stays exactly as it was.
void BankToolTest::csvImportNamesEveryBadRow() {
    const TestAppDir dir(TestAppDir::NoBanks);
    WriteBank(dir.File("t1.mdb"), MixedQuestions());
    const QByteArray before = dir.ReadFile("t1.mdb");
    dir.WriteFile("in.csv", (kCsvHeader + QStringLiteral("1,1,好题,甲,乙,,,,A,\n"
                                                         "x,1,题,甲,乙,,,,A,\n"
                                                         "2,11,题,甲,乙,,,,A,\n"
                                                         "3,1,题,甲,乙,,,,C,\n"
                                                         "4,1,题,甲,乙,,,,E,\n"
                                                         "1,1,题,甲,乙,,,,B,\n"
                                                         "5,1,题,甲,乙\n"
                                                         "6,1,题,甲,乙,,,a/b.png,A,\n"))
                                .toUtf8());

    const ProcessRun run = BankTool({"import", dir.File("in.csv"), dir.File("t1.mdb")});

    QCOMPARE(run.exitCode, 1);
    for (const QString& line :
         {QStringLiteral("7 行有错"), QStringLiteral("第 3 行“题号”列：应当是正整数"),
          QStringLiteral("第 4 行“章节”列：应当是 \"1\" 到 \"10\""),
          QStringLiteral("第 5 行“答案”列：所指的选项 C 是空的"),
          QStringLiteral("第 6 行“答案”列：应当是 A、B、C 或 D"), QStringLiteral("第 7 行“题号”列：1 与第 2 行重复"),
          QStringLiteral("第 8 行：应当有 10 列，却有 5 列"), QStringLiteral("第 9 行“图片”列：应当是单纯的文件名")}) {
        QVERIFY2(run.err.contains(line), qPrintable(line + "\n" + run.err));
    }
    QCOMPARE(dir.ReadFile("t1.mdb"), before);
    QCOMPARE(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList({"in.csv", "t1.mdb"}));
}

void BankToolTest::malformedCommandLineShowsUsage_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"list"};
    QTest::newRow("paper without kind") << QStringList{"paper"};
    QTest::newRow("option without value") << QStringList{"check", "--appdir"};
    QTest::newRow("unknown option") << QStringList{"check", "--kind", "1"};
    QTest::newRow("export one file") << QStringList{"export", "t1.mdb"};
}

void BankToolTest::malformedCommandLineShowsUsage() {
    QFETCH(QStringList, args);
    const ProcessRun run = BankTool(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith(QStringLiteral("usage: quorvane-bank")));
}

QV_TEST_MAIN(BankToolTest)
#include "tst_banktool.moc"
