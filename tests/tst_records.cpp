// Each learner's own record: learners kept apart, answers and the mistake book they feed, starred questions, the
// exams taken and what they add up to, and a records file that cannot be read set aside for a new one.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "TestSupport.h"
#include "bank/DatabaseSchema.h"
#include "platform/DatabaseFile.h"
#include "platform/Exception.h"
#include "records/AnswerLog.h"
#include "records/ChapterNames.h"
#include "records/ExamHistory.h"
#include "records/LearnerReport.h"
#include "records/Learners.h"
#include "records/MissedQuestions.h"
#include "records/MistakeBook.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsReport.h"
#include "records/Stars.h"

namespace {

// A records file of the test's own and a clock the test moves.
class Fixture {
public:
    Fixture() : records(file(), [this] { return now; }) {}
    QString file() const { return dir.filePath("records.db"); }

    void AdvanceDays(int days) { now = now.addDays(days); }
    void Answer(int learner, int question, bool right, const QString& chapter = QStringLiteral("1")) {
        RecordAnswer(records, learner, {1, question, chapter}, right);
    }
    std::vector<int> Due(int learner) const {
        std::vector<int> ids;
        for (const MistakeEntry& entry : MistakeBook(records, learner).Due(now.date()))
            ids.push_back(entry.question.question);
        return ids;
    }

    QTemporaryDir dir;
    QDateTime now{QDate(2026, 3, 2), QTime(20, 30)};
    mutable RecordsDatabase records;
};

// An exam of a whole paper (100 answers) in one chapter, with `score` right.
ExamResult WholeExam(const QDateTime& taken, int score) {
    return {taken, 1, "C1", score, 1200, {{"1", score, 100 - score}}};
}

}  // namespace

class RecordsTest : public QObject {
    Q_OBJECT

private slots:
    void newFileHasOneCurrentLearner();
    void learnerNamesAreRefused_data();
    void learnerNamesAreRefused();
    void learnersAreKeptApart();
    void removingALearnerTakesTheirRecords();
    void mistakeLeavesAfterThreeRightInARow();
    void wrongAnswerStartsTheRunAgain();
    void dueOnesComeFirst();
    void nextDueDayAfterAnExam();
    void starsToggle();
    void examsAddUpToReadiness();
    void unfinishedExamsAreKeptApart_data();
    void unfinishedExamsAreKeptApart();
    void mostMissedQuestions();
    void csvTextsStayText_data();
    void csvTextsStayText();
    void learnerReportNamesChaptersAndMissedQuestions();
    void everyAnswerIsKeptAcrossReopening();
    void unreadableFileIsSetAside_data();
    void unreadableFileIsSetAside();
};

void RecordsTest::newFileHasOneCurrentLearner() {
    Fixture f;
    const std::vector<Learner> all = Learners(f.records).All();
    QCOMPARE(all.size(), size_t(1));
    QVERIFY(all[0].current);
    QCOMPARE(Learners(f.records).Current().id, all[0].id);
    QVERIFY(f.records.OpeningMessage().isEmpty());
}

void RecordsTest::learnerNamesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("empty") << ""
                           << "请输入学员姓名。";
    QTest::newRow("blanks") << "   "
                            << "请输入学员姓名。";
    QTest::newRow("too long") << QString(21, u'李') << "学员姓名不能超过20个字。";
    QTest::newRow("taken") << "王芳"
                           << "已有名为“王芳”的学员，请换一个姓名。";
    QTest::newRow("taken, with blanks") << " 王芳 "
                                        << "已有名为“王芳”的学员，请换一个姓名。";
    QTest::newRow("longest") << QString(20, u'李') << "";
    QTest::newRow("quote") << "O'Neil"
                           << "";
    // Names are compared and counted as a reader sees them.
    QTest::newRow("invisible only") << QStringLiteral("\u200B\u200B") << "请输入学员姓名。";
    QTest::newRow("blank letters only") << QStringLiteral("\u3164\u2800") << "请输入学员姓名。";
    QTest::newRow("taken, but for an invisible")
        << QStringLiteral("王\u200B芳\u2060") << "已有名为“王芳”的学员，请换一个姓名。";
    QTest::newRow("taken, but for a wide blank")
        << QStringLiteral("\u3000王芳") << "已有名为“王芳”的学员，请换一个姓名。";
    QTest::newRow("20 emoji") << QStringLiteral("\U0001F600").repeated(20) << "";
    QTest::newRow("21 emoji") << QStringLiteral("\U0001F600").repeated(21) << "学员姓名不能超过20个字。";
    QTest::newRow("20 letters with marks") << QStringLiteral("e\u0301").repeated(20) << "";
}

void RecordsTest::learnerNamesAreRefused() {
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    Fixture f;
    Learners learners(f.records);
    const int wang = learners.Add(QStringLiteral("王芳"));
    const int other = learners.Add(QStringLiteral("张伟"));
    QCOMPARE(RefusalOf([&] { learners.Add(name); }), refusal);
    // Renaming refuses the same, except a learner's own name.
    if (!refusal.isEmpty())
        QCOMPARE(RefusalOf([&] { learners.Rename(other, name); }), refusal);
    QVERIFY(RefusalOf([&] { learners.Rename(wang, QStringLiteral("王芳")); }).isEmpty());
    // A name taken is kept composed, so that a name typed either way is the same name.
    if (refusal.isEmpty())
        QCOMPARE(learners.All().back().name, name.normalized(QString::NormalizationForm_C));
}

void RecordsTest::learnersAreKeptApart() {
    Fixture f;
    Learners learners(f.records);
    const int first = learners.Current().id;
    const int second = learners.Add(QStringLiteral("张伟"));
    QCOMPARE(learners.Current().id, first);
    f.Answer(first, 11, false);
    f.Answer(second, 12, false);
    Stars(f.records, second).Toggle({1, 13, "2"});
    ExamHistory(f.records, second).Add({f.now, 1, "C1", 95, 600, {}});

    QCOMPARE(MistakeBook(f.records, first).Entries().size(), size_t(1));
    QCOMPARE(MistakeBook(f.records, first).Entries()[0].question.question, 11);
    QCOMPARE(MistakeBook(f.records, second).Entries()[0].question.question, 12);
    QVERIFY(Stars(f.records, first).All().empty());
    QVERIFY(ExamHistory(f.records, first).All().empty());
    QCOMPARE(ExamHistory(f.records, second).All().size(), size_t(1));

    learners.SetCurrent(second);
    QCOMPARE(learners.Current().name, QStringLiteral("张伟"));
    const std::vector<Learner> all = learners.All();
    QCOMPARE(std::count_if(all.begin(), all.end(), [](const Learner& l) { return l.current; }), 1);
}

void RecordsTest::removingALearnerTakesTheirRecords() {
    Fixture f;
    Learners learners(f.records);
    const int first = learners.Current().id;
    QCOMPARE(RefusalOf([&] { learners.Remove(first); }), QStringLiteral("至少要保留一位学员。"));
    const int second = learners.Add(QStringLiteral("张伟"));
    f.Answer(first, 11, false);
    f.Answer(second, 12, false);
    ExamHistory(f.records, first).Add({f.now, 1, "C1", 80, 600, {{"1", 40, 5}}});
    learners.Remove(first);
    QCOMPARE(learners.Current().id, second);
    QCOMPARE(MistakeBook(f.records, second).Entries().size(), size_t(1));
    for (const char* table : {"answers", "chapter_totals", "mistakes", "exams", "exam_chapters"}) {
        QCOMPARE(f.records.Db()
                     .Select(QStringLiteral("select count(*) from %1 where %2")
                                 .arg(table, table == QLatin1String("exam_chapters") ? "1" : "learner=1"))
                     .rows[0][0]
                     .toInt(),
                 0);
    }
}

// Answered wrong on day 0: due on day 1; right then, due on day 4; right then, due on day 11; right then, gone.
void RecordsTest::mistakeLeavesAfterThreeRightInARow() {
    Fixture f;
    f.Answer(1, 7, false);
    const QDate start = f.now.date();
    QVERIFY(f.Due(1).empty());
    const struct {
        int day;
        int dueOn;  // -1: no longer in the book
    } steps[] = {{1, 4}, {4, 11}, {11, -1}};
    f.AdvanceDays(1);
    QCOMPARE(f.Due(1), std::vector<int>{7});
    for (const auto& step : steps) {
        f.now = QDateTime(start.addDays(step.day), QTime(8, 0));
        f.Answer(1, 7, true);
        const std::vector<MistakeEntry> entries = MistakeBook(f.records, 1).Entries();
        if (step.dueOn < 0) {
            QVERIFY(entries.empty());
            continue;
        }
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].state.due, start.addDays(step.dueOn));
        f.now = QDateTime(start.addDays(step.dueOn - 1), QTime(23, 59));
        QVERIFY(f.Due(1).empty());
        f.now = QDateTime(start.addDays(step.dueOn), QTime(0, 0));
        QCOMPARE(f.Due(1), std::vector<int>{7});
    }
    // Right answers to questions never missed put nothing in the book.
    f.Answer(1, 8, true);
    QVERIFY(MistakeBook(f.records, 1).Entries().empty());
}

void RecordsTest::wrongAnswerStartsTheRunAgain() {
    Fixture f;
    f.Answer(1, 7, false);
    f.AdvanceDays(1);
    f.Answer(1, 7, true);
    f.Answer(1, 7, true);
    f.Answer(1, 7, false);
    const std::vector<MistakeEntry> entries = MistakeBook(f.records, 1).Entries();
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].state, (MistakeState{0, f.now.date().addDays(1)}));
    f.Answer(1, 7, true);
    f.Answer(1, 7, true);
    QCOMPARE(MistakeBook(f.records, 1).Entries().size(), size_t(1));
    f.Answer(1, 7, true);
    QVERIFY(MistakeBook(f.records, 1).Entries().empty());
}

void RecordsTest::dueOnesComeFirst() {
    Fixture f;
    f.Answer(1, 30, false, "2");
    f.Answer(1, 20, false, "1");
    f.AdvanceDays(1);
    f.Answer(1, 20, true, "1");   // due in three days
    f.Answer(1, 10, false, "1");  // due tomorrow
    f.AdvanceDays(1);
    std::vector<int> order;
    for (const MistakeEntry& entry : MistakeBook(f.records, 1).Entries())
        order.push_back(entry.question.question);
    QCOMPARE(order, (std::vector<int>{30, 10, 20}));
    QCOMPARE(f.Due(1), (std::vector<int>{30, 10}));
    QCOMPARE(MistakeBook(f.records, 1).Entries("1").size(), size_t(2));
}

void RecordsTest::starsToggle() {
    Fixture f;
    Stars stars(f.records, 1);
    const QuestionRef question{2, 5, "3"};
    QVERIFY(stars.Toggle(question));
    QVERIFY(stars.Has(question));
    QVERIFY(!stars.Has({1, 5, "3"}));
    QCOMPARE(stars.All("3"), std::vector<QuestionRef>{question});
    QVERIFY(stars.All("1").empty());
    QVERIFY(!stars.Toggle(question));
    QVERIFY(stars.All().empty());
}

void RecordsTest::examsAddUpToReadiness() {
    Fixture f;
    ExamHistory history(f.records, 1);
    const int scores[] = {95, 70, 88, 90, 92, 100};
    for (int score : scores) {
        history.Add(WholeExam(f.now, score));
        f.AdvanceDays(1);
    }
    const std::vector<ExamResult> all = history.All();
    QCOMPARE(all.size(), std::size(scores));
    QCOMPARE(all.front().score, 95);
    QCOMPARE(all.back().taken, f.now.addDays(-1));
    // The last five: 70, 88, 90, 92, 100.
    Readiness readiness = history.ReadReadiness();
    QCOMPARE(readiness.counted, 5);
    QCOMPARE(readiness.passed, 3);

    const struct {
        const char* chapter;
        int right;
        int wrong;
    } answers[] = {{"1", 9, 1}, {"2", 1, 1}, {"3", 3, 1}, {"4", 0, 2}};
    int id = 0;
    for (const auto& tally : answers) {
        for (int k = 0; k < tally.right + tally.wrong; ++k)
            f.Answer(1, ++id, k < tally.right, tally.chapter);
    }
    QCOMPARE(history.ChapterAccuracy(),
             (std::vector<ChapterTally>{{"1", 9, 1}, {"2", 1, 1}, {"3", 3, 1}, {"4", 0, 2}}));
    readiness = history.ReadReadiness();
    QCOMPARE(readiness.weakest, (std::vector<ChapterTally>{{"4", 0, 2}, {"2", 1, 1}, {"3", 3, 1}}));
}

// Right after an exam with many mistakes none is due today; the book says when they are.
void RecordsTest::nextDueDayAfterAnExam() {
    Fixture f;
    QCOMPARE(MistakeBook(f.records, 1).NextDue(f.now.date()), DueDay{});
    for (int id = 1; id <= 63; ++id)
        f.Answer(1, id, false);
    f.AdvanceDays(1);
    f.Answer(1, 1, true);  // due in three days
    f.AdvanceDays(-1);
    const MistakeBook book(f.records, 1);
    QVERIFY(book.Due(f.now.date()).empty());
    QCOMPARE(book.NextDue(f.now.date()), (DueDay{f.now.date().addDays(1), 62}));
    QCOMPARE(book.NextDue(f.now.date().addDays(1)), (DueDay{f.now.date().addDays(4), 1}));
    QCOMPARE(book.NextDue(f.now.date().addDays(4)), DueDay{});
    QCOMPARE(book.DueText(f.now.date()), QStringLiteral("今天该练0道，明天该练62道"));
    QCOMPARE(book.DueText(f.now.date().addDays(1)), QStringLiteral("今天该练62道，3月6日该练1道"));
    QCOMPARE(book.DueText(f.now.date().addDays(2)), QStringLiteral("今天该练62道，后天该练1道"));
    QCOMPARE(book.DueText(f.now.date().addDays(4)), QStringLiteral("今天该练63道"));
}

void RecordsTest::unfinishedExamsAreKeptApart_data() {
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("finished");
    QTest::newRow("left after one answer") << 1 << false;
    QTest::newRow("left after five") << 5 << false;
    QTest::newRow("one unanswered") << 99 << false;
    QTest::newRow("whole paper") << 100 << true;
}

// Between two whole exams, one answered in part (all right, in two chapters): it is listed with its answers but
// counts in no readiness. It is told apart by the answers its chapters hold, as every records file keeps them, so
// that files written before it was told apart read the same.
void RecordsTest::unfinishedExamsAreKeptApart() {
    QFETCH(int, answers);
    QFETCH(bool, finished);
    Fixture f;
    ExamHistory history(f.records, 1);
    history.Add(WholeExam(f.now.addDays(-2), 80));
    const ExamResult part{f.now.addDays(-1), 1,  "C1",
                          answers,           60, {{"1", answers - answers / 2, 0}, {"2", answers / 2, 0}}};
    QCOMPARE(part.Answered(), answers);
    QCOMPARE(part.Finished(), finished);
    history.Add(part);
    history.Add(WholeExam(f.now, 95));

    RecordsDatabase again(f.file());
    const std::vector<ExamResult> all = ExamHistory(again, 1).All();
    QCOMPARE(all.size(), size_t(3));
    QCOMPARE(all[1].Answered(), answers);
    QCOMPARE(all[1].Finished(), finished);
    QCOMPARE(all[0].Answered(), 100);
    std::vector<int> scores;
    for (const ExamResult& exam : history.Finished())
        scores.push_back(exam.score);
    QCOMPARE(scores, finished ? (std::vector<int>{80, 100, 95}) : (std::vector<int>{80, 95}));
    const Readiness readiness = history.ReadReadiness();
    QCOMPARE(readiness.counted, finished ? 3 : 2);
    QCOMPARE(readiness.passed, finished ? 2 : 1);
}

void RecordsTest::mostMissedQuestions() {
    Fixture f;
    const struct {
        int question;
        const char* answers;  // r right, w wrong, in order
    } given[] = {{1, "wwr"}, {2, "r"}, {3, "wwww"}, {4, "w"}, {5, "rw"}};
    for (const auto& question : given) {
        for (const char* answer = question.answers; *answer != 0; ++answer)
            f.Answer(1, question.question, *answer == 'r', QString::number(question.question));
    }
    f.Answer(2, 9, false);  // another learner's
    QCOMPARE(MostMissed(f.records, 1, 3),
             (std::vector<MissedQuestion>{{{1, 3, "3"}, 4, 4}, {{1, 1, "1"}, 2, 3}, {{1, 4, "4"}, 1, 1}}));
    QCOMPARE(MostMissed(f.records, 1, 10).size(), size_t(4));
}

void RecordsTest::csvTextsStayText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("name") << "李娜"
                          << "\"李娜\"";
    QTest::newRow("quotes and comma") << "李娜, \"小李\""
                                      << "\"李娜, \"\"小李\"\"\"";
    QTest::newRow("fraction") << "1/2"
                              << "\"=\"\"1/2\"\"\"";
    QTest::newRow("date") << "2026-03-02"
                          << "\"=\"\"2026-03-02\"\"\"";
    QTest::newRow("chinese date") << "3月2日"
                                  << "\"=\"\"3月2日\"\"\"";
    QTest::newRow("leading zeros") << "007"
                                   << "\"=\"\"007\"\"\"";
    QTest::newRow("formula") << "=1+2"
                             << "\"=\"\"=1+2\"\"\"";
    QTest::newRow("plus") << "+86 138"
                          << "\"=\"\"+86 138\"\"\"";
    QTest::newRow("minus") << "-学员"
                           << "\"=\"\"-学员\"\"\"";
    QTest::newRow("at") << "@王"
                        << "\"=\"\"@王\"\"\"";
    QTest::newRow("formula with quotes") << "=\"a\""
                                         << "\"=\"\"=\"\"\"\"a\"\"\"\"\"\"\"";
    QTest::newRow("name with digits") << "学员1"
                                      << "\"学员1\"";
}

void RecordsTest::csvTextsStayText() {
    QFETCH(QString, text);
    QTEST(RecordsReport::CsvText(text), "field");
}

// The printed record in words: chapters by name, every exam with its result, the unfinished one apart, when the
// mistakes fall due and the questions missed most with their text.
void RecordsTest::learnerReportNamesChaptersAndMissedQuestions() {
    Fixture f;
    ExamHistory history(f.records, 1);
    history.Add(WholeExam(f.now.addDays(-1), 93));
    history.Add({f.now, 1, "C1", 5, 60, {{"2", 5, 0}}});
    f.Answer(1, 2001, false, "2");
    f.Answer(1, 2001, false, "2");
    f.Answer(1, 1001, true, "1");
    const Learner learner = Learners(f.records).Current();
    LearnerReport::Sources sources;
    sources.centreName = QStringLiteral("阳光驾校");
    sources.questionText = [](const QuestionRef& question) {
        return question.question == 2001 ? QStringLiteral("驾驶机动车遇到这种信号灯时怎样行驶？") : QString();
    };
    const QString text = LearnerReport::Make(f.records, learner, sources)->toPlainText();
    for (const QString& expected :
         {QStringLiteral("阳光驾校 学习记录"), QStringLiteral("学员：学员1"),
          QStringLiteral("最近1次完成的模拟考试合格1次。另有1次考试未答完（未完成）"),
          QStringLiteral("第1章 道路交通安全法律法规和规章"), QStringLiteral("第2章 交通信号及其含义"),
          QStringLiteral("合格"), QStringLiteral("未完成"), QStringLiteral("明天该练1道"),
          QStringLiteral("驾驶机动车遇到这种信号灯时怎样行驶？")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }
    QCOMPARE(ChapterNames::Title("12"), QStringLiteral("第12章"));
}

void RecordsTest::everyAnswerIsKeptAcrossReopening() {
    Fixture f;
    const int second = Learners(f.records).Add(QStringLiteral("张伟"));
    f.Answer(second, 5, false);
    RecordsDatabase again(f.file());
    QCOMPARE(Learners(again).All().size(), size_t(2));
    QCOMPARE(MistakeBook(again, second).Entries().size(), size_t(1));
    QCOMPARE(again.Db().Select("select answered from answers").rows[0][0].toLongLong(), f.now.toSecsSinceEpoch());
}

void RecordsTest::unreadableFileIsSetAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not a database") << QByteArray("这不是数据库\n").repeated(200);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("half a header") << QByteArray("SQLite format 3\0", 16) + QByteArray(50, '\x01');
    // Whole and readable, with a table qv_meta of its own, but not the records.
    QTemporaryDir other;
    const QString progress = other.filePath("progress.db");
    CreateDatabaseFile(progress, DatabaseSchema::MetaTableSql(1, "another kind") << "create table progress(key)");
    QFile made(progress);
    QVERIFY(made.open(QIODevice::ReadOnly));
    QTest::newRow("a database of another kind") << made.readAll();
}

void RecordsTest::unreadableFileIsSetAside() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString file = dir.filePath("records.db");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(content);
    out.close();

    QDateTime when(QDate(2026, 3, 2), QTime(20, 30, 5));
    RecordsDatabase records(file, [&] { return when; });
    const QString aside = file + ".damaged-20260302-203005";
    QVERIFY(records.OpeningMessage().contains(aside));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), content);
    QCOMPARE(Learners(records).All().size(), size_t(1));
    RecordAnswer(records, 1, {1, 3, "1"}, false);
    QCOMPARE(MistakeBook(records, 1).Entries().size(), size_t(1));
}

QV_TEST_MAIN(RecordsTest)
#include "tst_records.moc"
