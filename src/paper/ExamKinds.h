#pragma once

#include <QString>
#include <vector>

// The paper positions one chapter fills in a mock exam, first to last, both included.
struct ChapterQuota {
    int chapter;
    int first;
    int last;
    int Count() const { return last - first + 1; }
};

// A vehicle group of the mock exam (TExamKind 1 to 5): the text the exam window shows for it, whether it
// reads the motorcycle bank, and its chapter quotas in the order the paper is filled.
struct ExamKindInfo {
    int kind;
    QString label;
    bool motorcycleBank;
    std::vector<ChapterQuota> quotas;
};

constexpr int kPaperSize = 100;

// The group of `kind`, or nullptr for a value outside 1 to 5.
const ExamKindInfo* FindExamKind(int kind);
const std::vector<ExamKindInfo>& ExamKinds();
