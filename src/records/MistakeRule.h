#pragma once

#include <QDate>
#include <optional>

// Where a question stands in a learner's mistake book: how many right answers in a row it has had since its last
// wrong one, and the day it is next due for practice.
struct MistakeState {
    int streak = 0;
    QDate due;

    bool operator==(const MistakeState&) const = default;
};

// No question in the book falls due later than this many days after the answer that put it there.
constexpr int kMaxDaysUntilDue = 7;

// The mistake book's rule. A wrong answer puts the question in the book (again), due the next day. Each right answer
// in a row moves it further off, due after three days, then after seven; the third right answer in a row takes it
// out. A right answer to a question not in the book changes nothing. Returns where the question stands after the
// answer given on `day`; nothing when it is not in the book.
std::optional<MistakeState> NextMistakeState(const std::optional<MistakeState>& before, bool right, const QDate& day);
