#include "records/MistakeRule.h"

#include <array>

namespace {
constexpr int kRightAnswersToLeave = 3;
// Days until due again, by the number of right answers in a row.
constexpr std::array<int, kRightAnswersToLeave> kDaysUntilDue{1, 3, kMaxDaysUntilDue};
}  // namespace

std::optional<MistakeState> NextMistakeState(const std::optional<MistakeState>& before, bool right, const QDate& day) {
    if (!right)
        return MistakeState{0, day.addDays(kDaysUntilDue[0])};
    if (!before || before->streak + 1 >= kRightAnswersToLeave)
        return std::nullopt;
    const int streak = before->streak + 1;
    return MistakeState{streak, day.addDays(kDaysUntilDue[size_t(streak)])};
}
