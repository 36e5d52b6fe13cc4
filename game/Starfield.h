#pragma once
#include "FrameContext.h"

namespace skyvane {
// Runs in every frame of flight, right after the frame clear.
void runStarfield(FrameContext& frame);
} // namespace skyvane
