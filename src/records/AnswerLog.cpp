#include "records/AnswerLog.h"

#include "records/Learners.h"
#include "records/MistakeRule.h"
#include "records/RecordsDatabase.h"

void RecordAnswer(RecordsDatabase& records, int learner, const QuestionRef& question, bool right) {
    const QDateTime now = records.Now();
    const QString key = QStringLiteral("learner=? and bank=? and question=?");
    const QVariantList keyValues{learner, question.bank, question.question};
    records.InTransaction([&] {
        Connection& db = records.Db();
        db.Execute(QStringLiteral("insert into answers(learner, bank, question, chapter, correct, answered) "
                                  "values(?, ?, ?, ?, ?, ?)"),
                   {learner, question.bank, question.question, question.chapter, right, now.toSecsSinceEpoch()});
        db.Execute(QStringLiteral("insert into chapter_totals(learner, chapter, correct, wrong) values(?, ?, ?, ?) "
                                  "on conflict(learner, chapter) do update set correct=correct+excluded.correct, "
                                  "wrong=wrong+excluded.wrong"),
                   {learner, question.chapter, right, !right});
        const ResultSet stored = db.Select(QStringLiteral("select streak, due from mistakes where ") + key, keyValues);
        std::optional<MistakeState> before;
        if (!stored.rows.empty())
            before = MistakeState{stored.rows[0][0].toInt(), QDate::fromJulianDay(stored.rows[0][1].toLongLong())};
        const std::optional<MistakeState> after = NextMistakeState(before, right, now.date());
        if (!after) {
            if (before)
                db.Execute(QStringLiteral("delete from mistakes where ") + key, keyValues);
            return;
        }
        db.Execute(
            QStringLiteral("insert or replace into mistakes(learner, bank, question, chapter, streak, due) "
                           "values(?, ?, ?, ?, ?, ?)"),
            {learner, question.bank, question.question, question.chapter, after->streak, after->due.toJulianDay()});
    });
}

void RecordForCurrentLearner(const QuestionRef& question, bool right) {
    if (Records != nullptr)
        RecordAnswer(*Records, Learners(*Records).Current().id, question, right);
}
