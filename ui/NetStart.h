#pragma once
// A net game from the command line, set up before the window opens, so that a busy port or a
// host that cannot be joined ends the program with one line and no window.

#include "CommandLine.h"
#include "net/Session.h"

#include <memory>
#include <variant>

namespace skyvane {

// The session the command line asks for: none, a host listening (with its code and this
// machine's addresses printed), or a player welcomed by the host; or the exit code after
// saying on standard error why there is none.
std::variant<std::unique_ptr<net::Session>, int> startSession(const CommandLine& command, const char* version);

} // namespace skyvane
