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

// The questions of the mistake book that fall due on one day.
struct DueDay {
    QDate day;  // null when none fall due
    int count = 0;

    bool operator==(const DueDay&) const = default;
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
    // The first day after `day` on which questions fall due, and how many.
    DueDay NextDue(const QDate& day) const;
    // What is due for the learner `today`, and on the next day something falls due: "今天该练0道，明天该练63道".
    QString DueText(const QDate& today) const;

private:
    // The learner's entries that meet `condition` (empty, or " and " with one placeholder, which `value` fills).
    std::vector<MistakeEntry> Read(const QString& condition, const QVariant& value) const;

    RecordsDatabase& records_;
    int learner_;
};
