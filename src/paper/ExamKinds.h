#pragma once

#include <QString>
#include <vector>

#include "bank/BankId.h"

struct TQuestion;

// The paper positions one chapter fills in a mock exam, first to last, both included.
struct ChapterQuota {
    int chapter;
    int first;
    int last;
    int Count() const { return last - first + 1; }
};

// The kinds of question a paper holds: a statement to judge right or wrong (two options) or a choice of one of
// four.
enum class QuestionType { TrueFalse, SingleChoice };
QuestionType TypeOf(const TQuestion& question);

struct TypePoints {
    QuestionType type;
    int points;
};

// Everything an exam kind is, in one place: the mock exam's vehicle groups are TExamKind 1 to 5. What the windows
// call it, the bank its paper is drawn from, the paper's size and chapter quotas in the order it is filled, the
// points a right answer of each type earns, the time allowed, the full marks and the pass mark.
struct ExamKindInfo {
    int kind;
    QString label;          // as the exam window and the records show it
    QString buttonCaption;  // the main window's button that starts it
    BankId bank;
    std::vector<ChapterQuota> quotas;
    int paperSize;
    std::vector<TypePoints> points;
    int minutes;
    int fullMarks;
    int passMark;

    // 0 for a type the paper does not hold.
    int PointsFor(QuestionType type) const;
    int Seconds() const { return minutes * 60; }
    bool Passes(int score) const { return score >= passMark; }
};

// The group of `kind`, or nullptr for a kind there is not.
const ExamKindInfo* FindExamKind(int kind);
// The rules of `kind`; those of the first kind for a kind there is not (a window before its kind is set).
const ExamKindInfo& ExamRules(int kind);
// In the order of the main window's buttons.
const std::vector<ExamKindInfo>& ExamKinds();

// Time left as the exam window shows it: "45分00秒".
QString ExamTimeText(int seconds);
