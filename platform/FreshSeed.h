#pragma once
// Seeds that differ from game to game and from machine to machine.

#include <cstdint>

namespace skyvane {

// 64 bits from the operating system's source of randomness.
std::uint64_t freshSeed();

} // namespace skyvane
