#include "platform/DrawSeed.h"

#include <chrono>
#include <optional>

namespace {

std::optional<quint64> fixedSeed;

}  // namespace

quint64 DrawSeed() {
    if (fixedSeed)
        return *fixedSeed;
    return static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void FixDrawSeed(quint64 seed) {
    fixedSeed = seed;
}
