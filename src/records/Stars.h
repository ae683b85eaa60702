#pragma once

#include <QString>
#include <vector>

#include "records/QuestionRef.h"

class RecordsDatabase;

// The questions a learner starred (收藏) to practise again.
class Stars {
public:
    Stars(RecordsDatabase& records, int learner) : records_(records), learner_(learner) {}

    bool Has(const QuestionRef& question) const;
    // Stars the question, or takes its star off; returns whether it is starred now.
    bool Toggle(const QuestionRef& question);
    // By bank and question ID; of one chapter when `chapter` is not empty.
    std::vector<QuestionRef> All(const QString& chapter = {}) const;

private:
    // The values of the key "learner=? and bank=? and question=?" of the question's row.
    QVariantList Key(const QuestionRef& question) const;

    RecordsDatabase& records_;
    int learner_;
};
