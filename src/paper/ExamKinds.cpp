#include "paper/ExamKinds.h"

namespace {
// Chapters 1 to 7 as the bus, truck and machinery groups share them; they differ in positions 96 to 100.
std::vector<ChapterQuota> SharedQuotasAnd(int ownChapter) {
    return {{1, 1, 30},  {2, 31, 45}, {3, 46, 65}, {4, 66, 75},
            {5, 76, 85}, {6, 86, 90}, {7, 91, 95}, {ownChapter, 96, 100}};
}
}  // namespace

const std::vector<ExamKindInfo>& ExamKinds() {
    static const std::vector<ExamKindInfo> kinds{
        {1,
         QStringLiteral("C1 C2 C3 C4"),
         false,
         {{1, 1, 30}, {2, 31, 50}, {3, 51, 70}, {4, 71, 80}, {5, 81, 90}, {6, 91, 95}, {7, 96, 100}}},
        {2, QStringLiteral("A1 A3 B1"), false, SharedQuotasAnd(8)},
        {3, QStringLiteral("A2 B2"), false, SharedQuotasAnd(9)},
        {4, QStringLiteral("M轮式机械"), false, SharedQuotasAnd(10)},
        {5,
         QStringLiteral("D E F"),
         true,
         {{1, 1, 30}, {2, 31, 55}, {3, 56, 80}, {4, 81, 90}, {5, 91, 95}, {6, 96, 96}, {7, 97, 100}}},
    };
    return kinds;
}

const ExamKindInfo* FindExamKind(int kind) {
    for (const ExamKindInfo& info : ExamKinds()) {
        if (info.kind == kind)
            return &info;
    }
    return nullptr;
}
