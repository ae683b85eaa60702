#pragma once

#include <QSet>
#include <functional>
#include <optional>
#include <vector>

#include "paper/ExamKinds.h"

class Query;

// An exam paper: the question IDs at positions 1 to the paper's size (index 0 unused); 0 where nothing is drawn yet.
using ExamPaper = std::vector<int>;

// Draws a paper chapter by chapter from the chapter queries, by the quotas of the exam's vehicle group,
// each question picked uniformly and drawn again while it already stands on the paper or cannot be used.
// The exam window and the bank tool use this same code, so what the tool reports is what the exam finds.
class PaperComposer {
public:
    // pick(n) gives a uniform integer from 0 to n - 1.
    PaperComposer(Query& qry, std::function<int(int)> pick);

    // What a chapter of a paper can give: the IDs the draw can use there. An ID is usable when it is a whole
    // positive number (a row whose ID is anything else can never be shown) and appears in no chapter drawn
    // before this one for the same paper (a bank whose chapters share an ID could otherwise leave the later
    // chapter short, and the draw would never end).
    struct ChapterSupply {
        ChapterQuota quota;
        QSet<int> usable;
        int needed = 0;
    };

    // Runs the chapter queries of `info` in the order the paper is filled.
    std::vector<ChapterSupply> Supplies(const ExamKindInfo& info);

    // Makes `paper` one of `info`'s size and fills it. A chapter with fewer usable questions than its positions
    // could never fill them: instead of drawing without end, this raises an Exception naming the group, the
    // chapter, what it has and what it needs.
    void MakePaper(const ExamKindInfo& info, ExamPaper& paper);

    // True when `id` stands at none of the paper's positions.
    static bool IsNewQuestion(const ExamPaper& paper, int id);

private:
    void OpenChapter(int chapter);
    // The whole positive IDs of the open chapter query.
    QSet<int> ChapterIds();
    std::optional<int> PickRow();
    void DrawQuestion(ExamPaper& paper, int position, const QSet<int>& usable);

    Query& qry_;
    std::function<int(int)> pick_;
};
