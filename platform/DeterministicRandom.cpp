#include "DeterministicRandom.h"

namespace skyvane {

namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
constexpr std::uint64_t kIncrement = 1442695040888963407ULL;
constexpr float kTwoToThe24 = 16777216.0f;
} // namespace

std::uint32_t DeterministicRandom::nextBits()
{
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + kIncrement;
    const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rotation = static_cast<std::uint32_t>(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

float DeterministicRandom::next() { return static_cast<float>(nextBits() >> 8u) / kTwoToThe24; }

} // namespace skyvane
