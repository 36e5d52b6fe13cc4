#pragma once
#include "game/World.h"

#include <cstdint>

namespace skyvane {

// PCG32: a program start begins from a fixed state, so every run yields the same sequence,
// never reseeded; a net game begins both machines from the seed the host chose. Values are 24
// random bits divided by 2^24, so every one is exactly representable in single precision and
// strictly below 1. A copy goes on with the same sequence, as a snapshot of a frame needs.
class DeterministicRandom : public RandomSource {
public:
    static constexpr std::uint64_t kStartState = 0x853c49e6748fea9bULL;

    DeterministicRandom() = default;
    explicit DeterministicRandom(std::uint64_t seed) : state_(seed) {}
    float next() override;
    std::uint64_t state() const { return state_; }

private:
    std::uint32_t nextBits();

    std::uint64_t state_ = kStartState;
};

} // namespace skyvane
