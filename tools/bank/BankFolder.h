#pragma once

#include <QString>

#include <QList>
#include <optional>

#include "BankWriter.h"
#include "paper/PaperComposer.h"

class Connection;

// The bank files of a program folder, opened as the program opens them.
namespace BankFolder {

// "t2.mdb" for the motorcycle group, "t1.mdb" for the others.
QString FileFor(const ExamKindInfo& info);

// Opens `file` with the program's connection string and password; raises DatabaseError when it cannot, its
// message saying in Chinese why (no such file, no bank of the program), the database's own text on a second line.
void Open(Connection& connection, const QString& file);

// Every question of the bank open on `connection`, by ID.
QList<Question> ReadQuestions(Connection& connection);

// The rows of the progress table JD of the bank open on `connection`; none for a bank without the table.
std::optional<QList<ProgressRow>> ReadProgress(Connection& connection);

// Composes one paper for `info` from the bank in `folder` (with a trailing '/') exactly as the exam window
// does, the generator seeded from the clock. Raises Exception when the bank cannot fill the paper.
ExamPaper ComposePaper(const ExamKindInfo& info, const QString& folder);

}  // namespace BankFolder
