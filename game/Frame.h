#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
// One frame: the play area cleared, then, while the goal is ahead, the flight phases in order.
void runFrame(GameState& s, const World& world);
} // namespace skyvane
