#pragma once

#include <QString>
#include <array>
#include <functional>

class TImage;
class TsRadioButton;
struct TQuestion;

// The controls with which a question window shows one question: its text control (a memo in the
// practice windows, a label in the exam), the options A to D with Tags 1 to 4, and the picture.
struct QuestionBlock {
    std::function<void(const QString&)> setText;
    std::array<TsRadioButton*, 4> options;
    TImage* picture;
};

// The display steps every question window shares: the text as stored, the options "A：" to "D：" (C and
// D only when not empty; a hidden option keeps its old caption), the picture (or none), and no option
// selected. When the picture cannot be loaded the error is raised after the text and options already
// show the new question; the picture and the selection are then left as they were.
void ShowQuestionBlock(const TQuestion& question, const QuestionBlock& block);
