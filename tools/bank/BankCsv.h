#pragma once

#include <QByteArray>
#include <QList>

#include "Question.h"

class Connection;

// The spreadsheet form of a bank's questions, for training centres that keep their lists in a spreadsheet: a
// header row, then one row per question:
//
//   题号,章节,题目,选项A,选项B,选项C,选项D,图片,答案,解析
//   1001,1,驾驶机动车上路时……,正确,错误,,,,A,依据……
//
// 答案 is the letter of the right option; a true/false question has 正确 and 错误 as its options A and B and leaves
// C and D empty; 图片 and 解析 may be empty. The progress table has no place in it: an import keeps the progress
// table of the bank it replaces.
namespace BankCsv {

// Writes the questions of the bank open on `connection` (format: CsvTable::Write).
QByteArray Export(Connection& connection);

// Reads a table in the form above (encoding: CsvEncoding::Decode). Raises Exception when any row is bad, naming each
// bad row on a line of its own (its number as a spreadsheet counts rows, the column and why).
QList<Question> Import(const QByteArray& bytes);

}  // namespace BankCsv
