#pragma once

#include <vector>

#include "records/QuestionRef.h"

class RecordsDatabase;

// A question a learner has answered wrong, with how often.
struct MissedQuestion {
    QuestionRef question;
    int wrong = 0;
    int answered = 0;  // right and wrong

    bool operator==(const MissedQuestion&) const = default;
};

// The questions the learner answered wrong most often, in practice and exams: at most `limit`, the most missed first,
// then by bank and ID.
std::vector<MissedQuestion> MostMissed(RecordsDatabase& records, int learner, int limit);
