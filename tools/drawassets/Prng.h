#pragma once
// A small seeded generator (SplitMix64). The standard distributions differ between library
// versions; this one gives the same numbers everywhere, so the pictures never change by accident.

#include <cstdint>

namespace skyvane::drawassets {

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    double between(double low, double high) { return low + (high - low) * uniform(); }

    // Uniform in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state;
};

} // namespace skyvane::drawassets
