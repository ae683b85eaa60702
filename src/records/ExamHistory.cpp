#include "records/ExamHistory.h"

#include <algorithm>

#include "paper/ExamKinds.h"
#include "records/Learners.h"
#include "records/RecordsDatabase.h"

namespace {
// An exam's answers, as its chapters hold them; an exam is finished when they cover the paper. Records of every
// version keep the chapters, so that older files read the same.
const QString kAnswersOfExam =
    QStringLiteral("(select coalesce(sum(correct + wrong), 0) from exam_chapters where exam=exams.id)");
}  // namespace

int ExamResult::Answered() const {
    if (chapters.empty())
        return answersListed;
    int answered = 0;
    for (const ChapterTally& tally : chapters)
        answered += tally.right + tally.wrong;
    return answered;
}

bool ExamResult::Finished() const {
    return Answered() >= ExamRules(kind).paperSize;
}

bool ExamResult::Passed() const {
    return ExamRules(kind).Passes(score);
}

void ExamHistory::Add(const ExamResult& exam) {
    records_.InTransaction([&] {
        Connection& db = records_.Db();
        db.Execute(QStringLiteral("insert into exams(learner, taken, kind, kind_label, score, seconds_used, passed) "
                                  "values(?, ?, ?, ?, ?, ?, ?)"),
                   {learner_, exam.taken.toSecsSinceEpoch(), exam.kind, exam.kindLabel, exam.score, exam.secondsUsed,
                    exam.Passed()});
        const QVariant id = db.Select(QStringLiteral("select last_insert_rowid()")).rows.front().front();
        for (const ChapterTally& tally : exam.chapters) {
            db.Execute(QStringLiteral("insert into exam_chapters(exam, chapter, correct, wrong) values(?, ?, ?, ?)"),
                       {id, tally.chapter, tally.right, tally.wrong});
        }
    });
}

std::vector<ExamResult> ExamHistory::All() const {
    std::vector<ExamResult> all;
    const ResultSet rows = records_.Db().Select(
        QStringLiteral("select taken, kind, kind_label, score, seconds_used, %1 from exams where learner=? "
                       "order by taken, id")
            .arg(kAnswersOfExam),
        {learner_});
    all.reserve(rows.rows.size());
    for (const auto& row : rows.rows) {
        all.push_back({QDateTime::fromSecsSinceEpoch(row[0].toLongLong()),
                       row[1].toInt(),
                       row[2].toString(),
                       row[3].toInt(),
                       row[4].toInt(),
                       {},
                       row[5].toInt()});
    }
    return all;
}

std::vector<ExamResult> ExamHistory::Finished() const {
    std::vector<ExamResult> finished = All();
    std::erase_if(finished, [](const ExamResult& exam) { return !exam.Finished(); });
    return finished;
}

std::vector<ChapterTally> ExamHistory::ChapterAccuracy() const {
    std::vector<ChapterTally> tallies;
    for (const auto& row :
         records_.Db()
             .Select(QStringLiteral("select chapter, correct, wrong from chapter_totals where learner=? "
                                    "order by cast(chapter as integer), chapter"),
                     {learner_})
             .rows) {
        tallies.push_back({row[0].toString(), row[1].toInt(), row[2].toInt()});
    }
    return tallies;
}

Readiness ExamHistory::ReadReadiness() const {
    Readiness readiness;
    // Each kind's paper has its own size, so which exams are finished is told here, not in the query.
    for (const auto& row : records_.Db()
                               .Select(QStringLiteral("select passed, kind, %1 from exams where learner=? "
                                                      "order by taken desc, id desc")
                                           .arg(kAnswersOfExam),
                                       {learner_})
                               .rows) {
        ExamResult exam;
        exam.kind = row[1].toInt();
        exam.answersListed = row[2].toInt();
        if (!exam.Finished())
            continue;
        ++readiness.counted;
        readiness.passed += row[0].toInt();
        if (readiness.counted == Readiness::kExamsCounted)
            break;
    }
    readiness.weakest = ChapterAccuracy();
    std::stable_sort(readiness.weakest.begin(), readiness.weakest.end(),
                     [](const ChapterTally& a, const ChapterTally& b) { return a.Accuracy() < b.Accuracy(); });
    if (readiness.weakest.size() > size_t(Readiness::kWeakestShown))
        readiness.weakest.resize(size_t(Readiness::kWeakestShown));
    return readiness;
}

void RecordExamForCurrentLearner(ExamResult exam) {
    if (Records == nullptr)
        return;
    exam.taken = Records->Now();
    ExamHistory(*Records, Learners(*Records).Current().id).Add(exam);
}
