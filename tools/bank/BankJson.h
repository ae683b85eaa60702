#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "BankWriter.h"

class Connection;

// The plain-text form of a bank, for editing and keeping under version control:
//
//   {
//     "format": "quorvane-bank", "version": 1,
//     "questions": [{"ID": 1, "zhanjie": "1", "question": "...", "ans1": "...", "ans2": "...", "ans3": "",
//                    "ans4": "", "bmp": "", "ans": 1, "jiexi": "..."}, ...],
//     "JD": [{"名称": "0", "进度": 0}, ...]
//   }
//
// Every column of table question is given for every question: ID a positive whole number, unique; zhanjie the
// chapter "1" to "10"; question the text, not empty; ans1 to ans4 the options A to D ("" for an option not shown,
// a true/false question has 正确/错误 and two empty ones); bmp a bare picture file name or ""; ans the right
// option 1 to 4, which must not be empty. "jiexi", the explanation of the answer, is written for every question
// ("" for none) and may be left out on import (files written before banks carried it). "JD" lists the rows of the
// progress table, or is null for a bank without one (t2.mdb). Texts are UTF-8.
namespace BankJson {

struct Contents {
    QList<Question> questions;
    std::optional<QList<ProgressRow>> progress;
};

// Writes the bank open on `connection` out in the form above.
QByteArray Export(Connection& connection);

// Reads the form above, checking every value first; raises Exception naming the first problem found.
Contents Import(const QByteArray& json);

}  // namespace BankJson
