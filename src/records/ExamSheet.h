#pragma once

#include <vector>

#include "bank/TQuestion.h"
#include "records/ExamHistory.h"

// One answer given in an exam: the question as it was shown, the option chosen (1 = A to 4 = D) and the judgement.
struct SheetAnswer {
    TQuestion question;
    int chosen = 0;
    bool right = false;
};

// Every answer given in one exam, in the order given, and what they add up to.
class ExamSheet {
public:
    void Add(const TQuestion& question, int chosen, bool right) { answers_.push_back({question, chosen, right}); }

    const std::vector<SheetAnswer>& Answers() const { return answers_; }
    bool Empty() const { return answers_.empty(); }
    std::vector<SheetAnswer> Wrong() const;
    // Right and wrong answers by chapter, in chapter order.
    std::vector<ChapterTally> Chapters() const;

private:
    std::vector<SheetAnswer> answers_;
};
