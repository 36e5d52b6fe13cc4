#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
void runMeteorField(GameState& s, const World& world);
} // namespace skyvane
