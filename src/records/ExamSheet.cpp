#include "records/ExamSheet.h"

#include <algorithm>

std::vector<SheetAnswer> ExamSheet::Wrong() const {
    std::vector<SheetAnswer> wrong;
    std::copy_if(answers_.begin(), answers_.end(), std::back_inserter(wrong),
                 [](const SheetAnswer& answer) { return !answer.right; });
    return wrong;
}

std::vector<ChapterTally> ExamSheet::Chapters() const {
    std::vector<ChapterTally> tallies;
    for (const SheetAnswer& answer : answers_) {
        auto tally = std::find_if(tallies.begin(), tallies.end(),
                                  [&](const ChapterTally& t) { return t.chapter == answer.question.zhanjie; });
        if (tally == tallies.end())
            tally = tallies.insert(tallies.end(), ChapterTally{answer.question.zhanjie, 0, 0});
        ++(answer.right ? tally->right : tally->wrong);
    }
    std::sort(tallies.begin(), tallies.end(), [](const ChapterTally& a, const ChapterTally& b) {
        return std::pair(a.chapter.toInt(), a.chapter) < std::pair(b.chapter.toInt(), b.chapter);
    });
    return tallies;
}
