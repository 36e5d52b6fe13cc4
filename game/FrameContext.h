#pragma once
// What a phase of a frame works with: the game state and the services it may call.

#include "GameState.h"
#include "World.h"

#include <cmath>

namespace skyvane {

struct FrameContext {
    GameState& state;
    RandomSource& random;
    Drawing& drawing;
    Controls& controls;
};

// floor for values that were scaled in single precision.
inline std::int64_t floorToInt(float value) { return static_cast<std::int64_t>(std::floor(value)); }

// Round to nearest with ties to even, as computed values are stored without floor.
inline std::int64_t roundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

} // namespace skyvane
