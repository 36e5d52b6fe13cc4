#pragma once
#include "GameState.h"

namespace skyvane {
// Runs as the last work of every frame of flight.
void runCountdown(GameState& s);
} // namespace skyvane
