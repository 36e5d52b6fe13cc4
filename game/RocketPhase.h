#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
void runRocketPhase(GameState& s, const World& world);
} // namespace skyvane
