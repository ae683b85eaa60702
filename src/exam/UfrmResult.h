#pragma once

#include <QDialog>

#include "records/ExamSheet.h"

class TsBitBtn;
class TsLabel;
class TsLabelFX;
class TsMemo;

// The result sheet of a finished exam: the score with its verdict, the time used, right and wrong answers by
// chapter, and each question answered wrong with the learner's answer, the right one and its explanation. From
// here the learner can practise exactly the questions they missed.
class TfrmResult : public QDialog {
    Q_OBJECT

public:
    // What exec returns when the learner chose to practise the questions they missed.
    static constexpr int kPractiseWrong = 2;

    TfrmResult(const ExamResult& result, const ExamSheet& sheet, QWidget* parent = nullptr);

    TsLabelFX* lblScore;
    TsLabelFX* lblVerdict;
    TsLabel* lblTime;
    TsLabel* lblChapters;
    TsMemo* memChapters;
    TsLabel* lblWrong;
    TsMemo* memWrong;
    TsBitBtn* btnPractise;
    TsBitBtn* btnClose;

    // The texts the sheet shows, from the exam's figures.
    static QString ScoreText(const ExamResult& result);
    static QString VerdictText(const ExamResult& result);
    static QString TimeText(int seconds);
    // Each chapter by its number and name, with its right and wrong answers on the line under it.
    static QString ChaptersText(const std::vector<ChapterTally>& chapters);
    // The text with each bracket bound to what it encloses, so that no line starts with a closing bracket or ends
    // with an opening one.
    static QString KeepBracketsJoined(const QString& text);

private:
    void ShowWrong(const std::vector<SheetAnswer>& wrong);
};

// The result sheet while the main window shows it; empty otherwise.
inline TfrmResult* frmResult = nullptr;
