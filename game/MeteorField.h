#pragma once
#include "FrameContext.h"

namespace skyvane {
// Runs in every frame of flight, after the starfield and before the rockets.
void runMeteorField(FrameContext& frame);
} // namespace skyvane
