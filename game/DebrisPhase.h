#pragma once
#include "FrameContext.h"

namespace skyvane {
// Runs in every frame of flight, after the rockets, also during the game-over countdown.
void runDebrisPhase(FrameContext& frame);
} // namespace skyvane
