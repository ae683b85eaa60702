#include "records/AnswerLog.h"

#include "records/Learners.h"
#include "records/MistakeRule.h"
#include "records/RecordsDatabase.h"

void RecordAnswer(RecordsDatabase& records, int learner, const QuestionRef& question, bool right) {
    const QDateTime now = records.Now();
    const QString key =
        QStringLiteral("learner=%1 and bank=%2 and question=%3").arg(learner).arg(question.bank).arg(question.question);
    records.InTransaction([&] {
        Connection& db = records.Db();
        db.Execute(QStringLiteral("insert into answers(learner, bank, question, chapter, correct, answered) "
                                  "values(%1, %2, %3, %4, %5, %6)")
                       .arg(learner)
                       .arg(question.bank)
                       .arg(question.question)
                       .arg(RecordsDatabase::Quoted(question.chapter))
                       .arg(right ? 1 : 0)
                       .arg(now.toSecsSinceEpoch()));
        db.Execute(QStringLiteral("insert into chapter_totals(learner, chapter, correct, wrong) values(%1, %2, %3, %4) "
                                  "on conflict(learner, chapter) do update set correct=correct+excluded.correct, "
                                  "wrong=wrong+excluded.wrong")
                       .arg(learner)
                       .arg(RecordsDatabase::Quoted(question.chapter))
                       .arg(right ? 1 : 0)
                       .arg(right ? 0 : 1));
        const ResultSet stored = db.Select(QStringLiteral("select streak, due from mistakes where ") + key);
        std::optional<MistakeState> before;
        if (!stored.rows.empty())
            before = MistakeState{stored.rows[0][0].toInt(), QDate::fromJulianDay(stored.rows[0][1].toLongLong())};
        const std::optional<MistakeState> after = NextMistakeState(before, right, now.date());
        if (!after) {
            if (before)
                db.Execute(QStringLiteral("delete from mistakes where ") + key);
            return;
        }
        db.Execute(QStringLiteral("insert or replace into mistakes(learner, bank, question, chapter, streak, due) "
                                  "values(%1, %2, %3, %4, %5, %6)")
                       .arg(learner)
                       .arg(question.bank)
                       .arg(question.question)
                       .arg(RecordsDatabase::Quoted(question.chapter))
                       .arg(after->streak)
                       .arg(after->due.toJulianDay()));
    });
}

void RecordForCurrentLearner(const QuestionRef& question, bool right) {
    if (Records != nullptr)
        RecordAnswer(*Records, Learners(*Records).Current().id, question, right);
}
