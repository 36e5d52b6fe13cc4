#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
// Counts one frame flown towards the goal.
void countProgress(GameState& s);
// One pass of the finale: "Clear!Good Luck!" and the pilot flying across the screen.
void runFinalePass(GameState& s, const World& world);
} // namespace skyvane
