#include "records/Stars.h"

#include "records/RecordsDatabase.h"

QString Stars::Key(const QuestionRef& question) const {
    return QStringLiteral("learner=%1 and bank=%2 and question=%3")
        .arg(learner_)
        .arg(question.bank)
        .arg(question.question);
}

bool Stars::Has(const QuestionRef& question) const {
    return !records_.Db().Select(QStringLiteral("select 1 from stars where ") + Key(question)).rows.empty();
}

bool Stars::Toggle(const QuestionRef& question) {
    records_.InTransaction([&] {
        Connection& db = records_.Db();
        if (db.Execute(QStringLiteral("delete from stars where ") + Key(question)) > 0)
            return;
        db.Execute(QStringLiteral("insert into stars(learner, bank, question, chapter) values(%1, %2, %3, %4)")
                       .arg(learner_)
                       .arg(question.bank)
                       .arg(question.question)
                       .arg(RecordsDatabase::Quoted(question.chapter)));
    });
    return Has(question);
}

std::vector<QuestionRef> Stars::All(const QString& chapter) const {
    std::vector<QuestionRef> all;
    const QString condition =
        chapter.isEmpty() ? QString() : QStringLiteral(" and chapter=") + RecordsDatabase::Quoted(chapter);
    for (const auto& row : records_.Db()
                               .Select(QStringLiteral("select bank, question, chapter from stars where learner=%1%2 "
                                                      "order by bank, question")
                                           .arg(learner_)
                                           .arg(condition))
                               .rows) {
        all.push_back({row[0].toInt(), row[1].toInt(), row[2].toString()});
    }
    return all;
}
