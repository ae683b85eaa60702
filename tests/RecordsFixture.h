#pragma once

#include <QDateTime>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "records/RecordsDatabase.h"

// The program's records in a folder of the test's own, on a clock the test sets, for as long as it lives.
struct ProgramRecords {
    ProgramRecords() { Records = &records; }
    ~ProgramRecords() { Records = nullptr; }
    ProgramRecords(const ProgramRecords&) = delete;
    ProgramRecords& operator=(const ProgramRecords&) = delete;

    // Every answer kept for `learner`, in the order given: question ID and whether it was right.
    std::vector<std::pair<int, bool>> Answers(int learner = 1) {
        std::vector<std::pair<int, bool>> answers;
        for (const auto& row :
             records.Db()
                 .Select(
                     QStringLiteral("select question, correct from answers where learner=%1 order by id").arg(learner))
                 .rows) {
            answers.emplace_back(row[0].toInt(), row[1].toInt() != 0);
        }
        return answers;
    }

    QTemporaryDir dir;
    QDateTime now{QDate(2026, 3, 2), QTime(9, 0)};
    RecordsDatabase records{dir.filePath(QStringLiteral("records.db")), [this] { return now; }};
};
