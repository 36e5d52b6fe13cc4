#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
void runDebrisPhase(GameState& s, const World& world);
} // namespace skyvane
