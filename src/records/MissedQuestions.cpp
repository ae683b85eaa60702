#include "records/MissedQuestions.h"

#include "records/RecordsDatabase.h"

std::vector<MissedQuestion> MostMissed(RecordsDatabase& records, int learner, int limit) {
    std::vector<MissedQuestion> missed;
    for (const auto& row :
         records.Db()
             .Select(QStringLiteral("select bank, question, max(chapter), sum(1 - correct) as missed, count(*) "
                                    "from answers where learner=? group by bank, question having missed>0 "
                                    "order by missed desc, bank, question limit ?"),
                     {learner, limit})
             .rows) {
        missed.push_back({{row[0].toInt(), row[1].toInt(), row[2].toString()}, row[3].toInt(), row[4].toInt()});
    }
    return missed;
}
