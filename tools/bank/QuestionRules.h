#pragma once

#include <QString>
#include <optional>

#include "Question.h"

// What a question must be before it goes into a bank, whatever file it came from (JSON or a spreadsheet's CSV):
// the program shows and judges only what meets these rules.
namespace QuestionRules {

// The columns of a question, in the order both file forms give them.
enum class Column { ID, Chapter, Text, OptionA, OptionB, OptionC, OptionD, Picture, Answer, Explanation };

struct Problem {
    Column column;
    QString why;  // reads after the column's name: "应当是正整数"
};

// The first rule `question` breaks, or none. `chapterText` is the chapter as written: the exam matches chapters as
// text, so only the plain spelling "1".."10" finds its questions.
std::optional<Problem> FirstProblem(const Question& question, const QString& chapterText);

}  // namespace QuestionRules
