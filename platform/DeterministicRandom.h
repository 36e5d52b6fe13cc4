#pragma once
#include "game/World.h"

#include <cstdint>

namespace skyvane {

// PCG32 from a fixed state: every program start yields the same sequence, never reseeded.
// Values are 24 random bits divided by 2^24, so every one is exactly representable in
// single precision and strictly below 1.
class DeterministicRandom : public RandomSource {
public:
    float next() override;

private:
    std::uint32_t nextBits();

    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};

} // namespace skyvane
