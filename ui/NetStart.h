#pragma once
// A net game from the command line, set up before the window opens, so that a busy port or a
// host that cannot be joined ends the program with one line and no window; and a host as both
// the command line and the window open one.

#include "CommandLine.h"
#include "net/Session.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace skyvane {

// The session the command line asks for: none, a host listening (with its code and this
// machine's addresses printed), or a player welcomed by the host; or the exit code after
// saying on standard error why there is none.
std::variant<std::unique_ptr<net::Session>, int> startSession(const CommandLine& command, std::string_view version);

// A host on the port with the code, its code and the addresses to give printed; null when the
// port is taken.
std::unique_ptr<net::Session> openHost(std::uint16_t port, const net::JoinCode& code, std::string_view version);

// The addresses by which the other player reaches this machine; 127.0.0.1 when it has no other.
std::vector<std::string> addressesToGive();

} // namespace skyvane
