#pragma once
#include "game/GameState.h"

namespace skyvane::doubles {

// Arms the heaviest frame of flight: after the coming frame's growth five meteors of size 148
// overlap in the middle, two steering rockets with thrust fly above them and all eleven debris
// particles are in play. Call before every frame to keep the frame at its worst.
void armWorstCaseFlight(GameState& s);

} // namespace skyvane::doubles
