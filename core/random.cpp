#include "core/random.h"

#include <chrono>

namespace ormix {

namespace {
std::uint32_t ClockSeed() {
    // Nanoseconds rather than seconds: re-seeding several times within one
    // second must not replay the same draws.
    auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(now ^ (now >> 32));
}
}  // namespace

ModelRandom::ModelRandom() : state_(ClockSeed()) {}

void ModelRandom::Seed(std::uint32_t seed) {
    state_ = seed;
    seeded_ = true;
}

void ModelRandom::ReseedFromClock() {
    if (!seeded_) state_ = ClockSeed();
}

int ModelRandom::Next() {
    // The linear congruential generator of the C standard's sample rand().
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ / 65536u) % 32768u);
}

}  // namespace ormix
