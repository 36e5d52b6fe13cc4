#include "WorstCaseFlight.h"

namespace skyvane::doubles {

void armWorstCaseFlight(GameState& s)
{
    for (int slot = 0; slot < kMeteorSlots; ++slot) {
        s.MeteorX[slot] = 100 + 30 * slot;
        s.MeteorY[slot] = 110 + 10 * slot;
        s.MeteorSize[slot] = kMeteorPassSize - 2 * kMeteorGrowth;
        s.MeteorFrame[slot] = 2 * kMeteorFrameSize * slot;
    }
    for (int player = 0; player < 2; ++player) {
        s.RocketX[player] = 60 + 140 * player;
        s.RocketY[player] = 0;  // above the meteors: no hit
        s.RocketVY[player] = 0;
        s.Steer[player] = player == 0 ? -1 : 1;
        s.Thrust[player] = 1;
    }
    for (int particle = 0; particle < kDebrisCount; ++particle) {
        s.DebrisX[particle] = 130 + 5 * particle;
        s.DebrisY[particle] = 120;
        s.DebrisVX[particle] = 1;
        s.DebrisVY[particle] = -1;
    }
}

} // namespace skyvane::doubles
