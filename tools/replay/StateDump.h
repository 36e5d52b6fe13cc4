#pragma once
// The game state by the names of its variables, for the replay tool's dump, show and set.

#include "game/GameState.h"

#include <ostream>
#include <string_view>

namespace skyvane::replay {

// Calls visit with every variable of s, in the order of the dump.
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

// One line per variable, name then values (arrays in full from index 0), then "end".
void writeDump(std::ostream& out, const GameState& s);

// The dump's line of the named variable; false when there is none.
bool writeVariable(std::ostream& out, const GameState& s, std::string_view name);

} // namespace skyvane::replay
