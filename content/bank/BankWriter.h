#pragma once

#include "Question.h"

#include <QList>
#include <QString>

#include <optional>

// One row of the progress table JD: a practice key and the position saved for it.
struct ProgressRow {
    QString name;
    int position = 0;
};

// Writes a bank file in the layout the program's database layer reads. The file appears complete or not at all: it is
// built beside the target and renamed over it only after the transaction has committed.
class BankWriter {
public:
    // With the progress table, it starts with position 0 for the whole bank ("0") and each chapter ("1".."10").
    static void write(const QString& path, const QList<Question>& questions, const QString& password,
                      bool withProgressTable);
    // Carries the progress table over row for row; std::nullopt writes a bank without table JD.
    static void write(const QString& path, const QList<Question>& questions, const QString& password,
                      const std::optional<QList<ProgressRow>>& progress);
};
