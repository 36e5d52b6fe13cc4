#pragma once
// The game state by the names of its variables, for the replay tool's dump, show and set.

#include "game/StateVariables.h"

#include <ostream>
#include <string_view>

namespace skyvane::replay {

// One line per variable, name then values (arrays in full from index 0), then "end".
void writeDump(std::ostream& out, const GameState& s);

// The dump's line of the named variable; false when there is none.
bool writeVariable(std::ostream& out, const GameState& s, std::string_view name);

} // namespace skyvane::replay
