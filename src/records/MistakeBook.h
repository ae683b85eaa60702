#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "records/MistakeRule.h"
#include "records/QuestionRef.h"

class RecordsDatabase;

struct MistakeEntry {
    QuestionRef question;
    MistakeState state;
};

// What a learner's mistake book holds, read for practice.
class MistakeBook {
public:
    MistakeBook(RecordsDatabase& records, int learner) : records_(records), learner_(learner) {}

    // Every question in the book (of one chapter, when `chapter` is not empty), the due ones first, each group by
    // due date.
    std::vector<MistakeEntry> Entries(const QString& chapter = {}) const;
    // The questions due on or before `day`, earliest first.
    std::vector<MistakeEntry> Due(const QDate& day) const;

private:
    std::vector<MistakeEntry> Read(const QString& condition) const;

    RecordsDatabase& records_;
    int learner_;
};
