// Composing a mock-exam paper on a bank of 5,000 questions, beside a plain shuffle of the same IDs.
//
// The composer runs one query per chapter and then draws with rejection; BM_ChapterQueries runs the queries and
// counts alone, so the cost of the draw itself is the difference between the first two.
#include <benchmark/benchmark.h>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <vector>

#include "BankWriter.h"
#include "bank/BankConnection.h"
#include "bank/UDM.h"
#include "paper/PaperComposer.h"
#include "platform/Connection.h"
#include "platform/Query.h"

namespace {

constexpr int kChapters = 10;
constexpr int kQuestionsPerChapter = 500;

// One bank file for the whole run: the database layer reads files only.
class Bank {
public:
    Bank() {
        QList<Question> questions;
        for (int chapter = 1; chapter <= kChapters; ++chapter) {
            for (int i = 1; i <= kQuestionsPerChapter; ++i) {
                const int id = chapter * 10000 + i;
                questions.append({id, chapter, QStringLiteral("题%1").arg(id), {"甲", "乙", "丙", "丁"}, 1, "", ""});
                ids.push_back(id);
            }
        }
        const QString file = dir_.filePath(QStringLiteral("t1.mdb"));
        BankWriter::write(file, questions, QString::fromLatin1(BankConnection::kDatabasePassword), true);
        TDM::OpenDatabase(&connection, file);
        qry.SetConnection(&connection);
    }

    std::vector<int> ids;
    Connection connection;
    Query qry;

private:
    QTemporaryDir dir_;
};

Bank& TheBank() {
    static Bank bank;
    return bank;
}

void BM_ComposePaper(benchmark::State& state) {
    Bank& bank = TheBank();
    const ExamKindInfo& info = *FindExamKind(int(state.range(0)));
    QRandomGenerator generator(1);
    int64_t picks = 0;
    PaperComposer composer(bank.qry, [&generator, &picks](int n) {
        ++picks;
        return int(generator.bounded(n));
    });
    for (auto _ : state) {
        ExamPaper paper{};
        composer.MakePaper(info, paper);
        benchmark::DoNotOptimize(paper);
    }
    // Above 100 only by the draws that hit a question already on the paper.
    state.counters["picks/paper"] = double(picks) / double(state.iterations());
}
BENCHMARK(BM_ComposePaper)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void BM_ChapterQueries(benchmark::State& state) {
    Bank& bank = TheBank();
    const ExamKindInfo& info = *FindExamKind(int(state.range(0)));
    PaperComposer composer(bank.qry, [](int) { return 0; });
    for (auto _ : state) {
        benchmark::DoNotOptimize(composer.Supplies(info));
    }
}
BENCHMARK(BM_ChapterQueries)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void BM_ShuffleIds(benchmark::State& state) {
    std::vector<int> ids = TheBank().ids;
    std::mt19937 generator(1);
    for (auto _ : state) {
        std::shuffle(ids.begin(), ids.end(), generator);
        benchmark::DoNotOptimize(ids.data());
    }
}
BENCHMARK(BM_ShuffleIds)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
