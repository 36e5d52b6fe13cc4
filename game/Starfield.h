#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
void runStarfield(GameState& s, const World& world);
} // namespace skyvane
