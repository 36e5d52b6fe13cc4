#pragma once
// How the game turns random values and computed values into whole numbers.

#include "World.h"

#include <cmath>
#include <cstdint>

namespace skyvane {

// floor(r * scale + offset) for a fresh random value r. Computed in double precision, where it
// is exact for these scales, so the ranges hold up to the largest r below 1.
inline std::int64_t floorOfDraw(RandomSource& random, double scale, double offset = 0.0)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(random.next()) * scale + offset));
}

// Round to nearest with ties to even, as computed values are stored without floor.
inline std::int64_t roundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

} // namespace skyvane
