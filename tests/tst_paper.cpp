// Every exam kind's rules and the papers they give from the banks the program ships: the size, each position in its
// chapter, no question twice, and only types of question the kind gives points for.
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <map>

#include "TestSupport.h"
#include "bank/BankConnection.h"
#include "bank/BankQueries.h"
#include "bank/TQuestion.h"
#include "paper/ExamKinds.h"
#include "paper/PaperComposer.h"
#include "platform/Connection.h"
#include "platform/Query.h"

class PaperTest : public QObject {
    Q_OBJECT

private slots:
    void rulesAddUp_data();
    void rulesAddUp();
    void papersOfTheShippedBanks_data();
    void papersOfTheShippedBanks();
};

namespace {

void AddKindRows() {
    QTest::addColumn<int>("kind");
    for (const ExamKindInfo& info : ExamKinds())
        QTest::newRow(qPrintable(info.label)) << info.kind;
}

// The questions of `ids` by ID, as the bank has them.
std::map<int, TQuestion> QuestionsOf(Connection& bank, const std::vector<int>& ids) {
    Query query;
    query.SetConnection(&bank);
    query.SetSQL(BankQueries::AllQuestionsSql() + BankQueries::QuestionIdsFilter(ids));
    query.Open();
    std::map<int, TQuestion> questions;
    query.First();
    for (int row = 0; row < query.RecordCount(); ++row, query.MoveBy(1)) {
        const TQuestion question = TQuestion::Read(query);
        questions[question.ID] = question;
    }
    return questions;
}

}  // namespace

void PaperTest::rulesAddUp_data() {
    AddKindRows();
}

// The quotas fill the paper position by position, a paper of right answers earns the full marks, and a pass is
// within them.
void PaperTest::rulesAddUp() {
    QFETCH(int, kind);
    const ExamKindInfo& info = *FindExamKind(kind);
    int next = 1;
    for (const ChapterQuota& quota : info.quotas) {
        QCOMPARE(quota.first, next);
        QVERIFY(quota.last >= quota.first);
        next = quota.last + 1;
    }
    QCOMPARE(next, info.paperSize + 1);
    for (const TypePoints& entry : info.points)
        QCOMPARE(info.paperSize * entry.points, info.fullMarks);
    QVERIFY(info.passMark > 0 && info.passMark <= info.fullMarks);
    QVERIFY(info.minutes > 0);
    QCOMPARE(ExamTimeText(info.Seconds()), QStringLiteral("%1分00秒").arg(info.minutes));
}

void PaperTest::papersOfTheShippedBanks_data() {
    AddKindRows();
}

void PaperTest::papersOfTheShippedBanks() {
    QFETCH(int, kind);
    const ExamKindInfo& info = *FindExamKind(kind);
    const TestAppDir dir;
    Connection bank;
    bank.SetConnectionString(BankConnection::ConnectionStringFor(dir.File(BankFileName(info.bank)), true));
    for (quint32 seed = 1; seed <= 3; ++seed) {
        Query qry;
        qry.SetConnection(&bank);
        QRandomGenerator generator(seed);
        ExamPaper paper;
        PaperComposer(qry, [&generator](int n) { return int(generator.bounded(n)); }).MakePaper(info, paper);
        QCOMPARE(paper.size(), size_t(info.paperSize) + 1);
        const std::vector<int> ids(paper.begin() + 1, paper.end());
        QCOMPARE(QSet<int>(ids.begin(), ids.end()).size(), info.paperSize);
        const std::map<int, TQuestion> questions = QuestionsOf(bank, ids);
        for (const ChapterQuota& quota : info.quotas) {
            for (int position = quota.first; position <= quota.last; ++position) {
                const TQuestion& question = questions.at(paper[size_t(position)]);
                QCOMPARE(question.zhanjie, QString::number(quota.chapter));
                QVERIFY2(info.PointsFor(TypeOf(question)) > 0,
                         qPrintable(
                             QStringLiteral("question %1 is of a type the paper has no points for").arg(question.ID)));
            }
        }
    }
}

QV_TEST_MAIN(PaperTest)
#include "tst_paper.moc"
