#pragma once

#include <QString>
#include <vector>

// Every statement the windows, the paper composer and the progress store run on a bank's table question.
namespace BankQueries {

// Every row of table question.
QString QuestionTableSql();
// The questions of all chapters by ascending ID; ChapterFilter, appended, keeps one chapter's.
QString AllQuestionsSql();
QString ChapterFilter(const QString& chapter);
// Appended to AllQuestionsSql, keeps the questions with these IDs.
QString QuestionIdsFilter(const std::vector<int>& ids);
// The IDs of one chapter's questions, by ascending ID: what the paper composer draws from.
QString ChapterQuestionIdsSql(int chapter);
// The dataset filter that shows only the question with this ID.
QString QuestionIdFilter(int id);

}  // namespace BankQueries
