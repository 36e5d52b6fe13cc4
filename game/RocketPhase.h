#pragma once
#include "FrameContext.h"

namespace skyvane {
// Run in every frame of flight while no game-over countdown runs, in this order:
// the progress count, the rockets, then the game-over test.
void countProgress(GameState& s);
void runRocketPhase(FrameContext& frame);
void testGameOver(FrameContext& frame);
} // namespace skyvane
