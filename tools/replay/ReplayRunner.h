#pragma once
// Runs a parsed replay script against the real game core with a fake tick counter,
// a scripted random generator and a pump that does nothing.

#include "ReplayScript.h"

#include <ostream>

namespace skyvane::replay {

// Exit codes of the replay tool.
constexpr int kExitOk = 0;
constexpr int kExitBadScript = 2;
constexpr int kExitRangeError = 3;

// Writes the trace and dumps to out and an error line to err; returns the exit code.
int runScript(const Script& script, std::ostream& out, std::ostream& err);

} // namespace skyvane::replay
