#pragma once

#include <array>
#include <functional>

#include "paper/ExamKinds.h"

class Query;

// An exam paper: the question IDs at positions 1 to 100 (index 0 unused); 0 where nothing is drawn yet.
using ExamPaper = std::array<int, kPaperSize + 1>;

// Draws a paper chapter by chapter from the chapter queries, by the quotas of the exam's vehicle group,
// each question picked uniformly and drawn again while it already stands on the paper. The exam window
// and the bank tool use this same code.
class PaperComposer {
public:
    // pick(n) gives a uniform integer from 0 to n - 1.
    PaperComposer(Query& qry, std::function<int(int)> pick);

    // Fills `paper` for `info`, running the chapter queries on qry's connection. A chapter with fewer
    // different questions than its positions could never fill them: instead of drawing without end,
    // this raises an Exception naming the group, the chapter, what it has and what it needs.
    void MakePaper(const ExamKindInfo& info, ExamPaper& paper);

    // True when `id` stands at none of the positions 1 to 100.
    static bool IsNewQuestion(const ExamPaper& paper, int id);

    // How many different questions the chapter of `quota` must hold before MakePaper can fill its positions.
    static int QuestionsNeeded(const ExamKindInfo& info, const ChapterQuota& quota);
    // Runs the chapter query and counts the different question IDs it yields.
    int QuestionsAvailable(int chapter);

private:
    void OpenChapter(int chapter);
    int DistinctQuestions();
    int PickRow();
    void DrawQuestion(ExamPaper& paper, int position);

    Query& qry_;
    std::function<int(int)> pick_;
};
