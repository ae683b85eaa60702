#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

class RecordsDatabase;

// Right and wrong answers in one chapter.
struct ChapterTally {
    QString chapter;
    int right = 0;
    int wrong = 0;

    // Right answers of all given, 0 to 1; 0 when none was given.
    double Accuracy() const { return right + wrong == 0 ? 0.0 : double(right) / (right + wrong); }
    bool operator==(const ChapterTally&) const = default;
};

// One exam taken. An exam left, handed in or timed out before every question of the paper was answered is
// unfinished (未完成): it is kept and listed, but it is no attempt at the pass mark, so no chart, mean or readiness
// counts it.
struct ExamResult {
    QDateTime taken;
    int kind = 0;
    QString kindLabel;  // the vehicle group as the exam window shows it
    int score = 0;
    int secondsUsed = 0;
    std::vector<ChapterTally> chapters;  // by chapter; left empty where a list of exams is read
    int answersListed = 0;               // where a list of exams is read: the answers the chapters held

    // By the rules of its kind.
    bool Passed() const;
    // The questions answered: the chapters' answers, or where a list was read, the number read with it.
    int Answered() const;
    bool Finished() const;
};

// How ready a learner is: of their last (up to) five finished exams, how many passed; and the chapters they answer
// worst.
struct Readiness {
    static constexpr int kExamsCounted = 5;
    static constexpr int kWeakestShown = 3;

    int passed = 0;
    int counted = 0;
    std::vector<ChapterTally> weakest;  // worst first
};

// A learner's exams and their answers summed up.
class ExamHistory {
public:
    ExamHistory(RecordsDatabase& records, int learner) : records_(records), learner_(learner) {}

    // Keeps the exam with its chapters in one transaction.
    void Add(const ExamResult& exam);
    // Every exam, finished or not, oldest first, without chapters but with the number of answers given.
    std::vector<ExamResult> All() const;
    // The finished ones of All().
    std::vector<ExamResult> Finished() const;
    // Every answer given, in practice and exams, by chapter.
    std::vector<ChapterTally> ChapterAccuracy() const;
    Readiness ReadReadiness() const;

private:
    RecordsDatabase& records_;
    int learner_;
};

// Keeps the exam for the current learner of the program's records (Records), taken now by their clock; does nothing
// without them.
void RecordExamForCurrentLearner(ExamResult exam);
