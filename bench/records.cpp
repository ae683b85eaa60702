// The learners' records under load.
//
// BM_JudgeAnswer is what judging an answer costs (reading the question on show and comparing the option), the
// baseline of BM_RecordAnswer, which keeps one answer with its mistake-book step in its own transaction.
// BM_RecordsWindow opens the records window on a history of 10,000 exams and 1,000,000 answers; its baseline,
// BM_RecordsWindowEmpty, opens it on a learner with no history. BM_DueList reads the mistake book's due questions
// on that history, beside BM_OneRowSelect, the cost of any statement on the same file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "BankWriter.h"
#include "app/UfrmRecords.h"
#include "bank/BankConnection.h"
#include "bank/BankQueries.h"
#include "bank/TQuestion.h"
#include "bank/UDM.h"
#include "platform/Connection.h"
#include "platform/Query.h"
#include "questionview/AnswerFeedback.h"
#include "records/AnswerLog.h"
#include "records/Learners.h"
#include "records/MistakeBook.h"
#include "records/RecordsDatabase.h"

namespace {

constexpr int kExams = 10000;
constexpr int kAnswers = 1000000;
constexpr int kRowsPerStatement = 1000;
constexpr int kQuestions = 1500;

// A records file holding learner 1's long history and learner 2 with none.
class History {
public:
    History() : records(dir_.filePath(QStringLiteral("records.db"))) {
        QRandomGenerator generator(7);
        const qint64 start = records.Now().addYears(-1).toSecsSinceEpoch();
        Learners(records).Add(QStringLiteral("新学员"));
        records.InTransaction([&] {
            Connection& db = records.Db();
            for (int done = 0; done < kAnswers; done += kRowsPerStatement) {
                QStringList rows;
                for (int k = 0; k < kRowsPerStatement; ++k) {
                    const int question = 1 + int(generator.bounded(kQuestions));
                    rows << QStringLiteral("(1, 1, %1, '%2', %3, %4)")
                                .arg(question)
                                .arg(question % 10 + 1)
                                .arg(generator.bounded(5) == 0 ? 0 : 1)
                                .arg(start + done + k);
                }
                db.Execute(QStringLiteral("insert into answers(learner, bank, question, chapter, correct, answered) "
                                          "values ") +
                           rows.join(u','));
            }
            for (int done = 0; done < kExams; done += kRowsPerStatement) {
                QStringList rows;
                for (int k = 0; k < kRowsPerStatement; ++k) {
                    rows << QStringLiteral("(1, %1, 1, 'C1 C2 C3 C4', %2, 1800, 0)")
                                .arg(start + (done + k) * 3000)
                                .arg(60 + generator.bounded(41));
                }
                db.Execute(QStringLiteral("insert into exams(learner, taken, kind, kind_label, score, seconds_used, "
                                          "passed) values ") +
                           rows.join(u','));
            }
            db.Execute(QStringLiteral("update exams set passed=(score>=90)"));
            // Every exam is a whole paper, its answers all in one chapter.
            db.Execute(
                QStringLiteral("insert into exam_chapters(exam, chapter, correct, wrong) "
                               "select id, '1', score, 100 - score from exams"));
            db.Execute(
                QStringLiteral("insert into chapter_totals select learner, chapter, sum(correct), "
                               "count(*) - sum(correct) from answers group by learner, chapter"));
            const qint64 today = records.Now().date().toJulianDay();
            for (int question = 1; question <= kQuestions; question += 2) {
                db.Execute(QStringLiteral("insert into mistakes values(1, 1, %1, '%2', %3, %4)")
                               .arg(question)
                               .arg(question % 10 + 1)
                               .arg(question % 3)
                               .arg(today - 5 + generator.bounded(12)));
            }
        });
    }

private:
    QTemporaryDir dir_;  // made before the file in it

public:
    RecordsDatabase records;
};

History& TheHistory() {
    static History history;
    return history;
}

// A bank of one question, open as the practice windows open theirs.
struct OneQuestionBank {
    OneQuestionBank() {
        const QString file = dir.filePath(QStringLiteral("t1.mdb"));
        BankWriter::write(file, {{1001, 1, QStringLiteral("题"), {"甲", "乙", "丙", "丁"}, 2, "", ""}},
                          QString::fromLatin1(BankConnection::kDatabasePassword), true);
        TDM::OpenDatabase(&connection, file);
        dataset.SetConnection(&connection);
        dataset.SetSQL(BankQueries::QuestionTableSql());
        dataset.Open();
    }
    QTemporaryDir dir;
    Connection connection;
    Query dataset;
};

void BM_JudgeAnswer(benchmark::State& state) {
    OneQuestionBank bank;
    for (auto _ : state) {
        const TQuestion question = TQuestion::Read(bank.dataset);
        benchmark::DoNotOptimize(AnswerFeedback::IsRight(1, question.ans));
    }
}
BENCHMARK(BM_JudgeAnswer)->Unit(benchmark::kMicrosecond);

void BM_RecordAnswer(benchmark::State& state) {
    QTemporaryDir dir;
    RecordsDatabase records(dir.filePath(QStringLiteral("records.db")));
    int question = 0;
    for (auto _ : state) {
        ++question;
        RecordAnswer(records, 1, {1, question % 500, QStringLiteral("1")}, question % 3 == 0);
    }
}
BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMicrosecond);

void OpenWindow(benchmark::State& state, int learner) {
    RecordsDatabase& records = TheHistory().records;
    Learners(records).SetCurrent(learner);
    for (auto _ : state) {
        TfrmRecords window(records);
        benchmark::DoNotOptimize(&window);
    }
}

void BM_RecordsWindowEmpty(benchmark::State& state) {
    OpenWindow(state, 2);
}
BENCHMARK(BM_RecordsWindowEmpty)->Unit(benchmark::kMillisecond);

void BM_RecordsWindow(benchmark::State& state) {
    OpenWindow(state, 1);
}
BENCHMARK(BM_RecordsWindow)->Unit(benchmark::kMillisecond);

void BM_OneRowSelect(benchmark::State& state) {
    RecordsDatabase& records = TheHistory().records;
    for (auto _ : state)
        benchmark::DoNotOptimize(records.Db().Select(QStringLiteral("select name from learners where id=1")));
}
BENCHMARK(BM_OneRowSelect)->Unit(benchmark::kMicrosecond);

void BM_DueList(benchmark::State& state) {
    RecordsDatabase& records = TheHistory().records;
    const QDate today = records.Now().date();
    for (auto _ : state)
        benchmark::DoNotOptimize(MistakeBook(records, 1).Due(today));
}
BENCHMARK(BM_DueList)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
