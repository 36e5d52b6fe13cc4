#pragma once
#include "FrameContext.h"

namespace skyvane {
// Runs in every pass of the loop once Progress has reached the goal, framed or not.
void runFinalePass(FrameContext& frame);
} // namespace skyvane
