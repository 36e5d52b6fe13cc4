#pragma once
#include "game/GameState.h"

#include <ostream>

namespace skyvane::replay {

// One line per variable, name then values (arrays in full from index 0), then "end".
void writeDump(std::ostream& out, const GameState& s);

} // namespace skyvane::replay
