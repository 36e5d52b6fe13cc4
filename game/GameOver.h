#pragma once
#include "GameState.h"
#include "World.h"

namespace skyvane {
// Starts the countdown with "Game Over!" once every rocket is lost.
void testGameOver(GameState& s, const World& world);
// Counts the countdown down; at 0 the game ends.
void runCountdown(GameState& s);
} // namespace skyvane
