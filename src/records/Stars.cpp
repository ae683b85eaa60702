#include "records/Stars.h"

#include "records/RecordsDatabase.h"

namespace {
const QString kKey = QStringLiteral("learner=? and bank=? and question=?");
}  // namespace

QVariantList Stars::Key(const QuestionRef& question) const {
    return {learner_, question.bank, question.question};
}

bool Stars::Has(const QuestionRef& question) const {
    return !records_.Db().Select(QStringLiteral("select 1 from stars where ") + kKey, Key(question)).rows.empty();
}

bool Stars::Toggle(const QuestionRef& question) {
    records_.InTransaction([&] {
        Connection& db = records_.Db();
        if (db.Execute(QStringLiteral("delete from stars where ") + kKey, Key(question)) > 0)
            return;
        db.Execute(QStringLiteral("insert into stars(learner, bank, question, chapter) values(?, ?, ?, ?)"),
                   Key(question) << question.chapter);
    });
    return Has(question);
}

std::vector<QuestionRef> Stars::All(const QString& chapter) const {
    std::vector<QuestionRef> all;
    const QString sql =
        QStringLiteral("select bank, question, chapter from stars where learner=?%1 order by bank, question")
            .arg(chapter.isEmpty() ? QString() : QStringLiteral(" and chapter=?"));
    const QVariantList values = chapter.isEmpty() ? QVariantList{learner_} : QVariantList{learner_, chapter};
    for (const auto& row : records_.Db().Select(sql, values).rows) {
        all.push_back({row[0].toInt(), row[1].toInt(), row[2].toString()});
    }
    return all;
}
