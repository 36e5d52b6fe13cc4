#pragma once
// The game state variable by variable, in one fixed order: for dumps, checksums and stores by name.

#include "GameState.h"

namespace skyvane {

// Calls visit with every variable of s (a Checked scalar or a CheckedArray), always in this order.
template <typename State, typename Visitor>
void forEachVariable(State& s, Visitor&& visit)
{
    visit(s.Playing);
    visit(s.LastTick);
    visit(s.SpawnRoll);
    visit(s.PlayerSetting);
    visit(s.GameOverTimer);
    visit(s.Progress);
    for (auto* array : {&s.RocketX, &s.RocketY, &s.RocketVY, &s.Steer, &s.Thrust, &s.RocketPose, &s.Flame})
        visit(*array);
    for (auto* array : {&s.StarCX, &s.StarCY, &s.StarDX, &s.StarDY})
        visit(*array);
    for (auto* array : {&s.MeteorX, &s.MeteorY, &s.MeteorSize, &s.MeteorFrame, &s.MeteorTick})
        visit(*array);
    for (auto* array : {&s.DebrisX, &s.DebrisY, &s.DebrisVX, &s.DebrisVY})
        visit(*array);
}

} // namespace skyvane
