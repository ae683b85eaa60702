#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// Sections name their parents ("PARENTCLASS"), and a value a section lacks is its parent's, and so on up
// the chain. Walking the chain again for every section and key costs the square of its length; here each
// section is resolved once, from its parent's answer.
namespace ParentChains {

// `parents[i]` is the index of section i's parent, or -1 where its chain ends. For every section, the
// first value `own` gives along its chain: its own, else its parent's answer. A chain that ends, or runs
// into a loop, without a value gives none. `own(i)` is asked at most once for each section.
template <typename T, typename Own>
std::vector<std::optional<T>> Resolve(const std::vector<int>& parents, Own own) {
    enum class State : unsigned char { Open, Walking, Done };
    const std::size_t count = parents.size();
    std::vector<std::optional<T>> answers(count);
    std::vector<State> states(count, State::Open);
    std::vector<std::size_t> walked;
    for (std::size_t start = 0; start < count; ++start) {
        walked.clear();
        int node = static_cast<int>(start);
        while (node >= 0 && static_cast<std::size_t>(node) < count &&
               states[static_cast<std::size_t>(node)] == State::Open) {
            const auto at = static_cast<std::size_t>(node);
            if (std::optional<T> value = own(at)) {
                answers[at] = std::move(value);
                states[at] = State::Done;
                break;
            }
            states[at] = State::Walking;
            walked.push_back(at);
            node = parents[at];
        }
        // The walk stopped at a section already answered, at the end of its chain, or on a section of
        // this walk: a loop in which no section has a value.
        std::optional<T> answer;
        if (node >= 0 && static_cast<std::size_t>(node) < count &&
            states[static_cast<std::size_t>(node)] == State::Done)
            answer = answers[static_cast<std::size_t>(node)];
        for (const std::size_t at : walked) {
            answers[at] = answer;
            states[at] = State::Done;
        }
    }
    return answers;
}

}  // namespace ParentChains
