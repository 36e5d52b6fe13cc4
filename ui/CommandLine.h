#pragma once
// The program's command line, read before the window system is opened, so that --help and
// --version answer without a display.

#include "net/NetAddress.h"
#include "net/Protocol.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace skyvane {

struct CommandLine {
    static constexpr int kLargestScale = 8;

    // Set when the program is to end at once with this code: after --help or --version, or after
    // telling what is wrong with the command line.
    std::optional<int> exitCode;
    int scale = 1;           // window pixels per pixel of the game, 1 to kLargestScale
    int firstPadPlayer = 1;  // the player the first game controller flies, 1 or 2
    // A net game: --host [PORT] listens for a player, --join ADDRESS[:PORT] --code CODE joins one.
    std::optional<std::uint16_t> hostPort;
    std::optional<net::NetAddress> join;
    net::JoinCode joinCode{};
};

// Reads the arguments, program name first; prints the help, the version or the error itself.
CommandLine readCommandLine(const QStringList& arguments);

} // namespace skyvane
